#include "CPrintDataModel.h"

#include "CPrintJob.h"
#include "CResourceModule.h"
#include "ResourceIds.h"

#include <QFile>
#include <QFileInfo>

namespace {
// Column headings.
constexpr unsigned kHeadingIds[CPrintDataModel::kColumnCount] = {ResId::kFileNameHeader, ResId::kDataFormatHeader,
                                                                 ResId::kCopiesHeader};
constexpr Qt::Alignment kAlignments[CPrintDataModel::kColumnCount] = {
    Qt::AlignCenter, Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignCenter};
}

CPrintDataModel::CPrintDataModel(CPrintJob& job, QObject* parent)
    : QAbstractTableModel(parent)
    , m_job(job)
    , m_rowCount(job.GetCount())
{
}

int CPrintDataModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rowCount;
}

int CPrintDataModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CPrintDataModel::data(const QModelIndex& index, int role) const
{
    const CPrintData* entry = index.isValid() ? m_job.GetAt(index.row()) : nullptr;
    if (!entry)
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(kAlignments[index.column()]);
    if (role == Qt::ToolTipRole && index.column() == kFileName)
        return QFileInfo(QFile::decodeName(entry->GetPath().c_str())).absoluteFilePath();
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (index.column()) {
    case kFileName: return QString::fromStdString(entry->GetFileName());
    case kDataFormat: return QString::fromStdString(entry->GetDataFormat());
    case kCopies: return QString::number(entry->GetCopies());
    }
    return {};
}

QVariant CPrintDataModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return QString::fromStdString(CResourceModule::LoadString(kHeadingIds[section]));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(kAlignments[section]);
    return {};
}

Qt::ItemFlags CPrintDataModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() != kFileName)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool CPrintDataModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    CPrintData* entry = index.isValid() && role == Qt::EditRole ? m_job.GetAt(index.row()) : nullptr;
    if (!entry)
        return false;
    if (index.column() == kDataFormat)
        entry->SetDataFormat(value.toString().toStdString());
    else if (index.column() == kCopies)
        entry->SetCopies(value.toInt());
    else
        return false;
    emit dataChanged(index, index);
    return true;
}

void CPrintDataModel::UpdateRowCount()
{
    const int count = m_job.GetCount();
    if (count > m_rowCount) {
        beginInsertRows({}, m_rowCount, count - 1);
        m_rowCount = count;
        endInsertRows();
    } else if (count < m_rowCount) {
        beginRemoveRows({}, count, m_rowCount - 1);
        m_rowCount = count;
        endRemoveRows();
    }
}

void CPrintDataModel::DeleteRow(int row)
{
    if (row < 0 || row >= m_rowCount)
        return;
    beginRemoveRows({}, row, row);
    m_job.DeleteAt(row);
    m_rowCount = m_job.GetCount();
    endRemoveRows();
}

void CPrintDataModel::DeleteAll()
{
    beginResetModel();
    while (m_job.GetCount() > 0)
        m_job.DeleteAt(0);
    m_rowCount = 0;
    endResetModel();
}

void CPrintDataModel::SwapWithNext(int row)
{
    if (row < 0 || row + 1 >= m_job.GetCount())
        return;
    m_job.InsertAt(row, m_job.RemoveAt(row + 1));
    RowChanged(row);
    RowChanged(row + 1);
}

void CPrintDataModel::RowChanged(int row)
{
    emit dataChanged(index(row, 0), index(row, kColumnCount - 1));
}

void CPrintDataModel::AllRowsChanged()
{
    if (m_rowCount > 0)
        emit dataChanged(index(0, 0), index(m_rowCount - 1, kColumnCount - 1));
}
