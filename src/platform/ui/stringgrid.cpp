// Placeholder until the grid lands.
#include "platform/ui/stringgrid.h"
namespace ui {
AdvStringGrid::AdvStringGrid(QWidget* parent) : QTableWidget(parent) {}
void AdvStringGrid::setColCount(int c) { setColumnCount(c); }
void AdvStringGrid::setRowCount(int r) { QTableWidget::setRowCount(r); }
int AdvStringGrid::colCount() const { return columnCount(); }
int AdvStringGrid::rowCountTotal() const { return rowCount(); }
QString AdvStringGrid::cells(int c, int r) const { auto* i = item(r, c); return i ? i->text() : QString(); }
void AdvStringGrid::setCells(int c, int r, const QString& t) { setItem(r, c, new QTableWidgetItem(t)); }
int AdvStringGrid::currentGridRow() const { return currentRow(); }
void AdvStringGrid::setCurrentGridRow(int r) { setCurrentCell(r, 0); }
void AdvStringGrid::setComboEditor(int, ListFiller) {}
void AdvStringGrid::setReadOnly(bool) {}
} // namespace ui
