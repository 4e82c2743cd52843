#pragma once

#include <QStringList>
#include <QTableWidget>
#include <functional>

namespace ui {

// The string grid: a fixed title row and fixed first column, cells centred,
// optional in-place drop-down editors whose list is filled by a callback each
// time the editor opens.
class AdvStringGrid : public QTableWidget
{
    Q_OBJECT
public:
    explicit AdvStringGrid(QWidget* parent = nullptr);

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

    using ListFiller = std::function<QStringList(int row)>;
    // Makes the cells of a column editable with a drop-down whose list fill() gives.
    void setComboEditor(int column, ListFiller fill);
    void setReadOnly(bool readOnly);

signals:
    void cellEdited(int column, int row);
};

} // namespace ui
