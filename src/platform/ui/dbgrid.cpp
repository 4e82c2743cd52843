// Placeholder until the grid lands.
#include "platform/ui/dbgrid.h"
namespace ui {
DBGridEh::DBGridEh(QWidget* parent) : QTableView(parent) {}
DBGridEh::~DBGridEh() = default;
void DBGridEh::setDataSource(db::Query* query) { m_query = query; }
void DBGridEh::setColumns(const QVector<GridColumn>&) {}
QVector<GridColumn> DBGridEh::columns() const { return {}; }
void DBGridEh::setFooterVisible(bool) {}
bool DBGridEh::footerVisible() const { return false; }
void DBGridEh::setRowSelect(bool) {}
int DBGridEh::rowCount() const { return 0; }
int DBGridEh::visibleColumnCount() const { return 0; }
QString DBGridEh::titleText(int) const { return {}; }
QString DBGridEh::displayText(int, int) const { return {}; }
QVariant DBGridEh::cellValue(int, int) const { return {}; }
QString DBGridEh::footerDisplay(int) const { return {}; }
const GridColumn& DBGridEh::visibleColumn(int) const { static GridColumn c; return c; }
void DBGridEh::showFindDialog() {}
} // namespace ui
