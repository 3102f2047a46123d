#include "CPrintDataModel.h"

#include "CMessageService.h"
#include "CPlotSizes.h"
#include "CPrintJob.h"
#include "CResourceModule.h"
#include "ResourceIds.h"

#include <QFile>
#include <QFileInfo>

namespace {
// Column headings.
constexpr unsigned kHeadingIds[CPrintDataModel::kColumnCount] = {ResId::kFileNameHeader, ResId::kDataFormatHeader,
                                                                 ResId::kCopiesHeader, ResId::kSizeHeader};
constexpr Qt::Alignment kAlignments[CPrintDataModel::kColumnCount] = {
    Qt::AlignCenter, Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignCenter, Qt::AlignLeft | Qt::AlignVCenter};

QString ResourceString(unsigned id)
{
    return QString::fromStdString(CResourceModule::LoadString(id));
}

CPlotSize::Unit OtherUnit(CPlotSize::Unit unit)
{
    return unit == CPlotSize::Unit::Inches ? CPlotSize::Unit::Millimetres : CPlotSize::Unit::Inches;
}
}

CPrintDataModel::CPrintDataModel(CPrintJob& job, QObject* parent)
    : QAbstractTableModel(parent)
    , m_job(job)
    , m_rowCount(job.GetCount())
    , m_sizes(new CPlotSizes(this))
{
    connect(m_sizes, &CPlotSizes::SizesArrived, this, &CPrintDataModel::SizeColumnChanged);
    RequestSizes(0, m_rowCount);
}

void CPrintDataModel::SetSizeUnit(CPlotSize::Unit unit)
{
    m_sizeUnit = unit;
    SizeColumnChanged();
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
    if (role == Qt::ToolTipRole && index.column() == kSize)
        return SizeToolTip(*entry);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    switch (index.column()) {
    case kFileName: return QString::fromStdString(entry->GetFileName());
    case kDataFormat: return QString::fromStdString(entry->GetDataFormat());
    case kCopies: return QString::number(entry->GetCopies());
    case kSize: return SizeText(*entry);
    }
    return {};
}

// Asked for here too, for entries that were there before the model or
// whose data format has changed.
QString CPrintDataModel::SizeText(const CPrintData& entry) const
{
    m_sizes->Request(entry.GetSendPath(), entry.GetDataFormat());
    const PlotSizeResult* read = m_sizes->Find(entry.GetSendPath(), entry.GetDataFormat());
    if (!read)
        return ResourceString(ResId::kSizePendingText);
    return QString::fromStdString(read->size.Format(m_sizeUnit));
}

// A known size in both units, whole where the column cuts it short; why
// there is none otherwise.
QString CPrintDataModel::SizeToolTip(const CPrintData& entry) const
{
    const PlotSizeResult* read = m_sizes->Find(entry.GetSendPath(), entry.GetDataFormat());
    if (!read)
        return {};
    if (read->size.IsKnown())
        return QString::fromStdString(read->size.Format(m_sizeUnit) + '\n' + read->size.Format(OtherUnit(m_sizeUnit)));
    if (!read->Ok())
        return QString::fromStdString(CMessageService::Format(ResId::kSizeUnreadableTip, read->failure));
    return ResourceString(ResId::kNoSizeTip);
}

QVariant CPrintDataModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return QString::fromStdString(CResourceModule::LoadString(kHeadingIds[section]));
    // The headings line up at the left, whatever their column's cells do.
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags CPrintDataModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && (index.column() == kDataFormat || index.column() == kCopies))
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
    // A new data format may have another size.
    RowChanged(index.row());
    return true;
}

void CPrintDataModel::UpdateRowCount()
{
    const int count = m_job.GetCount();
    if (count > m_rowCount) {
        beginInsertRows({}, m_rowCount, count - 1);
        const int first = m_rowCount;
        m_rowCount = count;
        endInsertRows();
        RequestSizes(first, count);
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

void CPrintDataModel::RequestSizes(int from, int to) const
{
    for (int row = from; row < to; ++row)
        if (const CPrintData* entry = m_job.GetAt(row))
            m_sizes->Request(entry->GetSendPath(), entry->GetDataFormat());
}

void CPrintDataModel::SizeColumnChanged()
{
    if (m_rowCount > 0)
        emit dataChanged(index(0, kSize), index(m_rowCount - 1, kSize));
}
