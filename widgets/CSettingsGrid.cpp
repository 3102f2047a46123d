#include "CSettingsGrid.h"

#include "CGridCellDelegate.h"
#include "CSettingsGridModel.h"

#include <QHeaderView>
#include <QScrollBar>

CSettingsGrid::CSettingsGrid(QWidget* parent)
    : CInPlaceTableView(parent)
    , m_model(new CSettingsGridModel(this))
{
    setModel(m_model);
    setItemDelegate(new CGridCellDelegate(this));
    // No selection colour over the cells' own colours; the current cell
    // keeps its focus frame.
    setSelectionMode(NoSelection);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    QPalette colours = palette();
    colours.setColor(QPalette::Disabled, QPalette::Base, colours.color(QPalette::Active, QPalette::Button));
    setPalette(colours);
}

void CSettingsGrid::SetShape(int dataRows, int columns)
{
    m_model->SetShape(dataRows, columns);
    SizeColumns();
}

int CSettingsGrid::RowCount() const
{
    return m_model->rowCount();
}

int CSettingsGrid::ColumnCount() const
{
    return m_model->columnCount();
}

QModelIndex CSettingsGrid::IndexAt(int row, int column) const
{
    return m_model->index(row - 1, column);
}

QString CSettingsGrid::Text(int row, int column) const
{
    if (row == 0)
        return m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    return IndexAt(row, column).data(Qt::EditRole).toString();
}

void CSettingsGrid::SetText(int row, int column, const QString& text)
{
    if (row == 0)
        m_model->SetHeaderText(column, text);
    else if (const QModelIndex index = IndexAt(row, column); index.isValid())
        m_model->setData(index, text, Qt::EditRole);
}

void CSettingsGrid::SetCellColours(int row, int column, const QColor& background, const QColor& text)
{
    m_model->SetColours(IndexAt(row, column), background, text);
}

QColor CSettingsGrid::CellBackground(int row, int column) const
{
    return IndexAt(row, column).data(Qt::BackgroundRole).value<QBrush>().color();
}

QColor CSettingsGrid::CellTextColour(int row, int column) const
{
    return IndexAt(row, column).data(Qt::ForegroundRole).value<QBrush>().color();
}

void CSettingsGrid::SetPicture(int row, int column, const QIcon& picture)
{
    m_model->SetPicture(IndexAt(row, column), picture);
}

QIcon CSettingsGrid::Picture(int row, int column) const
{
    return IndexAt(row, column).data(Qt::DecorationRole).value<QIcon>();
}

void CSettingsGrid::ClearCells()
{
    m_model->Clear();
}

void CSettingsGrid::SetColumnShares(const std::vector<double>& shares, bool lessScrollBar)
{
    m_shares = shares;
    m_lessScrollBar = lessScrollBar;
    SizeColumns();
}

void CSettingsGrid::SetRowHeight(int pixels)
{
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setDefaultSectionSize(pixels);
}

void CSettingsGrid::SetNumberEditor(int column, int lower, int upper, CNumberEditDelegate::Validator validator)
{
    if (column > 0)
        setItemDelegateForColumn(column, new CNumberEditDelegate(lower, upper, std::move(validator), this));
}

void CSettingsGrid::SetListEditor(int column, CListEditDelegate::Choices choices, CListEditDelegate::Commit commit)
{
    if (column > 0)
        setItemDelegateForColumn(column, new CListEditDelegate(std::move(choices), std::move(commit), this));
}

void CSettingsGrid::resizeEvent(QResizeEvent* event)
{
    CInPlaceTableView::resizeEvent(event);
    SizeColumns();
}

void CSettingsGrid::SizeColumns()
{
    const int scrollBar = m_lessScrollBar ? style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this) : 0;
    const int inner = maximumViewportSize().width() - scrollBar;
    const int columns = std::min(static_cast<int>(m_shares.size()), ColumnCount());
    for (int column = 0; column < columns; ++column)
        setColumnWidth(column, static_cast<int>(inner * m_shares[static_cast<std::size_t>(column)]));
}
