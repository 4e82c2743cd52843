#pragma once

#include <QString>
#include <QStringList>

namespace db
{

class Connection;

// Every value typed by an operator goes through this before it is placed
// between single quotes, so a quote is stored as typed and never ends the
// literal early.
QString esc(const QString& value);

// A column name taken from an editable drop-down is used only when it names a
// column of the table; anything else raises the same error an engine error would.
QString checkedColumn(Connection& connection, const QString& table, const QString& column);

} // namespace db
