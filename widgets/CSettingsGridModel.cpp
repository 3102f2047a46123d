#include "CSettingsGridModel.h"

#include <QBrush>

void CSettingsGridModel::SetShape(int dataRows, int columns)
{
    beginResetModel();
    m_columns = columns;
    m_cells.assign(static_cast<std::size_t>(dataRows * columns), {});
    m_headers = QStringList(columns, QString());
    endResetModel();
}

void CSettingsGridModel::Clear()
{
    SetShape(rowCount(), m_columns);
}

void CSettingsGridModel::SetHeaderText(int column, const QString& text)
{
    if (column < 0 || column >= m_columns)
        return;
    m_headers[column] = text;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void CSettingsGridModel::SetColours(const QModelIndex& index, const QColor& background, const QColor& text)
{
    if (!index.isValid())
        return;
    CellAt(index).background = background;
    CellAt(index).foreground = text;
    emit dataChanged(index, index, {Qt::BackgroundRole, Qt::ForegroundRole});
}

void CSettingsGridModel::SetPicture(const QModelIndex& index, const QIcon& picture)
{
    if (!index.isValid())
        return;
    CellAt(index).picture = picture;
    emit dataChanged(index, index, {Qt::DecorationRole});
}

int CSettingsGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || m_columns == 0 ? 0 : static_cast<int>(m_cells.size()) / m_columns;
}

int CSettingsGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_columns;
}

QVariant CSettingsGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const CCell& cell = CellAt(index);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cell.text;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case Qt::BackgroundRole:
        return cell.background.isValid() ? QVariant(QBrush(cell.background)) : QVariant();
    case Qt::ForegroundRole:
        return cell.foreground.isValid() ? QVariant(QBrush(cell.foreground)) : QVariant();
    case Qt::DecorationRole:
        return cell.picture.isNull() ? QVariant() : QVariant(cell.picture);
    default:
        return {};
    }
}

QVariant CSettingsGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns)
        return {};
    if (role == Qt::DisplayRole)
        return m_headers[section];
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    return {};
}

Qt::ItemFlags CSettingsGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
    return index.column() == 0 ? flags : flags | Qt::ItemIsEditable;
}

bool CSettingsGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    CellAt(index).text = value.toString();
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

CSettingsGridModel::CCell& CSettingsGridModel::CellAt(const QModelIndex& index)
{
    return m_cells[static_cast<std::size_t>(index.row() * m_columns + index.column())];
}

const CSettingsGridModel::CCell& CSettingsGridModel::CellAt(const QModelIndex& index) const
{
    return m_cells[static_cast<std::size_t>(index.row() * m_columns + index.column())];
}
