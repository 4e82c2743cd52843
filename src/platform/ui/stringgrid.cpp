#include "platform/ui/stringgrid.h"

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>

namespace ui
{

// Edits the cells in place: a plain centred box, or an editable drop-down
// whose list is asked for afresh each time it opens.
class StringGridDelegate : public QStyledItemDelegate
{
public:
    explicit StringGridDelegate(AdvStringGrid* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override
    {
        if (!m_grid->hasComboEditor(index.column())) {
            QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
            if (auto* line = qobject_cast<QLineEdit*>(editor))
                line->setAlignment(Qt::AlignCenter);
            return editor;
        }
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->addItems(m_grid->comboItems(index.column(), index.row()));
        return combo;
    }

    void setEditorData(QWidget* editor, const QModelIndex& index) const override
    {
        if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            combo->setCurrentIndex(-1);
            combo->setEditText(index.data(Qt::EditRole).toString());
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }

    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override
    {
        if (auto* combo = qobject_cast<QComboBox*>(editor))
            model->setData(index, combo->currentText(), Qt::EditRole);
        else
            QStyledItemDelegate::setModelData(editor, model, index);
        emit m_grid->cellEdited(index.column(), index.row());
    }

private:
    AdvStringGrid* m_grid;
};

AdvStringGrid::AdvStringGrid(QWidget* parent) : QTableWidget(parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setSelectionMode(SingleSelection);
    setEditTriggers(DoubleClicked | SelectedClicked | EditKeyPressed | AnyKeyPressed);
    setItemDelegate(new StringGridDelegate(this));
    auto* prototype = new QTableWidgetItem;
    prototype->setTextAlignment(Qt::AlignCenter);
    setItemPrototype(prototype);
    connect(qApp, &QApplication::focusChanged, this, &AdvStringGrid::focusMoved);
}

AdvStringGrid::~AdvStringGrid()
{
    // Focus moves while the table tears down; this part of it is gone by then.
    disconnect(qApp, nullptr, this, nullptr);
}

bool AdvStringGrid::isFixed(int column, int row) const
{
    return row < m_fixedRows || column < m_fixedCols;
}

void AdvStringGrid::styleCell(int column, int row)
{
    QTableWidgetItem* cell = item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        setItem(row, column, cell);
    }
    cell->setTextAlignment(Qt::AlignCenter);
    Qt::ItemFlags flags = Qt::ItemIsEnabled;
    if (isFixed(column, row)) {
        cell->setBackground(palette().button());
    } else {
        cell->setBackground(QBrush());
        flags |= Qt::ItemIsSelectable;
        if (!m_readOnly)
            flags |= Qt::ItemIsEditable;
    }
    cell->setFlags(flags);
}

void AdvStringGrid::restyle()
{
    for (int r = 0; r < rowCountTotal(); ++r) {
        for (int c = 0; c < colCount(); ++c)
            styleCell(c, r);
    }
}

void AdvStringGrid::setColCount(int columns)
{
    setColumnCount(columns);
    restyle();
}

void AdvStringGrid::setRowCount(int rows)
{
    QTableWidget::setRowCount(rows);
    restyle();
}

int AdvStringGrid::colCount() const
{
    return columnCount();
}

int AdvStringGrid::rowCountTotal() const
{
    return QTableWidget::rowCount();
}

QString AdvStringGrid::cells(int column, int row) const
{
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

void AdvStringGrid::setCells(int column, int row, const QString& text)
{
    if (row < 0 || column < 0 || row >= rowCountTotal() || column >= colCount())
        return;
    if (!item(row, column))
        styleCell(column, row);
    item(row, column)->setText(text);
}

int AdvStringGrid::currentGridRow() const
{
    return currentRow();
}

void AdvStringGrid::setCurrentGridRow(int row)
{
    const int column = qMax(currentColumn(), qMin(m_fixedCols, colCount() - 1));
    setCurrentCell(row, qMax(0, column));
}

void AdvStringGrid::setFixedRows(int rows)
{
    m_fixedRows = rows;
    restyle();
}

void AdvStringGrid::setFixedCols(int columns)
{
    m_fixedCols = columns;
    restyle();
}

void AdvStringGrid::setDefaultRowHeight(int height)
{
    verticalHeader()->setDefaultSectionSize(height);
    verticalHeader()->setMinimumSectionSize(qMin(height, verticalHeader()->minimumSectionSize()));
}

void AdvStringGrid::setComboEditor(int column, ListFiller fill)
{
    if (fill)
        m_fillers.insert(column, std::move(fill));
    else
        m_fillers.remove(column);
}

QStringList AdvStringGrid::comboItems(int column, int row) const
{
    const auto it = m_fillers.constFind(column);
    return it == m_fillers.constEnd() ? QStringList() : (*it)(row);
}

void AdvStringGrid::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    setEditTriggers(readOnly ? NoEditTriggers
                             : DoubleClicked | SelectedClicked | EditKeyPressed | AnyKeyPressed);
    restyle();
}

bool AdvStringGrid::owns(const QWidget* widget) const
{
    // The drop-down's list is a window of its own, so walk past window borders.
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (w == this)
            return true;
    }
    return false;
}

void AdvStringGrid::focusMoved(QWidget* from, QWidget* to)
{
    if (to && owns(from) && !owns(to))
        emit exited();
}

} // namespace ui
