#pragma once

#include <QHash>
#include <QStringList>
#include <QTableWidget>
#include <functional>

namespace ui
{

// The string grid: a fixed title row and fixed first column, cells centred,
// optional in-place drop-down editors whose list is filled by a callback each
// time the editor opens.
class AdvStringGrid : public QTableWidget
{
    Q_OBJECT
public:
    explicit AdvStringGrid(QWidget* parent = nullptr);
    ~AdvStringGrid() override;

    // Counts include the fixed title row and fixed first column, as the cell
    // addressing does: cells(col, row) with row 0 the titles.
    void setColCount(int columns);
    void setRowCount(int rows);
    int colCount() const;
    int rowCountTotal() const;
    QString cells(int column, int row) const;
    void setCells(int column, int row, const QString& text);
    int currentGridRow() const;
    void setCurrentGridRow(int row);

    // How many leading rows and columns are fixed (grey, never edited); 1 and 1 by default.
    void setFixedRows(int rows);
    void setFixedCols(int columns);
    int fixedRows() const { return m_fixedRows; }
    int fixedCols() const { return m_fixedCols; }
    void setDefaultRowHeight(int height);

    using ListFiller = std::function<QStringList(int row)>;
    // Makes the cells of a column editable with a drop-down whose list fill() gives.
    void setComboEditor(int column, ListFiller fill);
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return m_readOnly; }
    // The list a column's drop-down shows for a row (empty without one).
    QStringList comboItems(int column, int row) const;
    bool hasComboEditor(int column) const { return m_fillers.contains(column); }

signals:
    void cellEdited(int column, int row);
    // The focus went from the grid (or its editor) to another control.
    void exited();

private:
    friend class StringGridDelegate;
    bool isFixed(int column, int row) const;
    void styleCell(int column, int row);
    void restyle();
    bool owns(const QWidget* widget) const;
    void focusMoved(QWidget* from, QWidget* to);

    int m_fixedRows = 1;
    int m_fixedCols = 1;
    bool m_readOnly = false;
    QHash<int, ListFiller> m_fillers;
};

} // namespace ui
