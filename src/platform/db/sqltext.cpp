#include "platform/db/sqltext.h"

#include "platform/db/connection.h"
#include "platform/db/dberror.h"

#include <sqlite3.h>

namespace db
{

QString esc(const QString& value)
{
    QString out = value;
    out.replace(QLatin1Char('\''), QStringLiteral("''"));
    return out;
}

QString checkedColumn(Connection& connection, const QString& table, const QString& column)
{
    sqlite3* handle = connection.handle();
    sqlite3_stmt* stmt = nullptr;
    const QByteArray sql =
        QStringLiteral("pragma table_info(\"%1\")")
            .arg(QString(table).replace(QLatin1Char('"'), QStringLiteral("\"\"")))
            .toUtf8();
    check(handle, sqlite3_prepare_v2(handle, sql.constData(), sql.size(), &stmt, nullptr));
    QString found;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        const QString name =
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 1)));
        if (name.compare(column.trimmed(), Qt::CaseInsensitive) == 0)
            found = name;
    }
    sqlite3_finalize(stmt);
    if (found.isEmpty())
        throw DbError(
            QStringLiteral("No value given for one or more required parameters. (%1)").arg(column));
    return found;
}

} // namespace db
