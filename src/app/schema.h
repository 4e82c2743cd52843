#pragma once

#include <QString>

namespace db
{
class Connection;
}

namespace app
{

// Creates the nine tables, their indexes and the administrator row in an
// empty database. Used by the tool that writes the delivered file and by the
// tests; the program itself never creates tables.
void createSchema(db::Connection& connection);

// Writes a fresh encrypted database file at path (replacing none: fails if it exists).
void writeEmptyDatabase(const QString& path, const QString& key);

} // namespace app
