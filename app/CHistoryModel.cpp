#include "CHistoryModel.h"

#include "CHistoryFormat.h"
#include "CResourceModule.h"
#include "ResourceIds.h"

namespace {
constexpr unsigned kHeadingIds[CHistoryModel::kColumnCount] = {
    ResId::kHistoryTimeHeader,  ResId::kHistoryPrinterHeader, ResId::kHistoryOwnerHeader,
    ResId::kHistorySettingHeader, ResId::kHistoryFilesHeader, ResId::kHistoryJobSizeHeader,
    ResId::kHistoryResultHeader, ResId::kHistoryDurationHeader};

QString ResourceString(unsigned id)
{
    return QString::fromStdString(CResourceModule::LoadString(id));
}

QString Files(const CHistoryRecord& record)
{
    if (record.files.empty())
        return ResourceString(ResId::kHistorySetupJobText);
    QStringList names;
    for (const CHistoryRecord::File& file : record.files)
        names.append(QString::fromStdString(file.name));
    return names.join(", ");
}
}

CHistoryModel::CHistoryModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

bool CHistoryModel::Load(const std::string& path)
{
    beginResetModel();
    const bool read = m_view.Load(path);
    endResetModel();
    return read;
}

void CHistoryModel::SetPrinter(const std::string& printer)
{
    beginResetModel();
    m_view.SetPrinter(printer);
    endResetModel();
}

void CHistoryModel::SetText(const std::string& text)
{
    beginResetModel();
    m_view.SetText(text);
    endResetModel();
}

int CHistoryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_view.GetCount();
}

int CHistoryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant CHistoryModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_view.GetCount())
        return {};
    if (role == Qt::DisplayRole)
        return Text(index.row(), index.column());
    if (role == Qt::ToolTipRole && !m_view.GetAt(index.row()).message.empty())
        return QString::fromStdString(m_view.GetAt(index.row()).message);
    if (role == Qt::TextAlignmentRole && (index.column() == kJobSize || index.column() == kDuration))
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QString CHistoryModel::Text(int row, int column) const
{
    const CHistoryRecord& record = m_view.GetAt(row);
    switch (column) {
    case kTime:
        return QString::fromStdString(CHistoryFormat::LocalTime(record.time));
    case kPrinter:
        return QString::fromStdString(record.printer + "#" + std::to_string(record.number));
    case kOwner:
        return QString::fromStdString(record.owner);
    case kSetting:
        return QString::fromStdString(record.setting);
    case kFiles:
        return Files(record);
    case kJobSize:
        return QString::fromStdString(CHistoryFormat::Size(record.jobBytes));
    case kResult:
        return QString::fromStdString(CHistoryView::ResultText(record.result));
    case kDuration:
        return QString::fromStdString(CHistoryFormat::Duration(record.seconds));
    }
    return {};
}

QVariant CHistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= kColumnCount)
        return {};
    return ResourceString(kHeadingIds[section]);
}
