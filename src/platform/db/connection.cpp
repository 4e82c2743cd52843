#include "platform/db/connection.h"

#include "platform/db/dberror.h"

#include <QFileInfo>
#include <sqlite3.h>

namespace db
{

void check(sqlite3* db, int rc)
{
    if (rc == SQLITE_OK || rc == SQLITE_ROW || rc == SQLITE_DONE)
        return;
    const char* msg = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    throw DbError(QString::fromUtf8(msg));
}

Connection::~Connection()
{
    close();
}

void Connection::open(const QString& path, const QString& key)
{
    close();
    if (!QFileInfo(path).isFile())
        throw DbError(QStringLiteral("Could not find file '%1'.").arg(path));
    // The engine would take an empty file for a new database without tables
    // (and write one into it); it is a broken copy, not the delivered file.
    if (QFileInfo(path).size() == 0)
        throw DbError(QStringLiteral("Unrecognized database format '%1'.").arg(path));
    sqlite3* handle = nullptr;
    // Only the user-interface thread uses the connection, so the engine's own
    // locking (taken on every column read) is left out.
    const int rc = sqlite3_open_v2(path.toUtf8().constData(), &handle,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const QString msg = QString::fromUtf8(sqlite3_errmsg(handle));
        sqlite3_close(handle);
        throw DbError(msg);
    }
    m_db = handle;
    m_path = path;
    try {
        const QByteArray k = key.toUtf8();
        check(m_db, sqlite3_key(m_db, k.constData(), k.size()));
        sqlite3_busy_timeout(m_db, BusyTimeoutMs);
        // Reading the schema is what proves the key: a wrong key or a file
        // that is not a database fails here.
        execRaw(QStringLiteral("select count(*) from sqlite_master"));
    } catch (...) {
        close();
        throw;
    }
}

void Connection::close()
{
    if (!m_db)
        return;
    sqlite3_close_v2(m_db);
    m_db = nullptr;
    m_inTransaction = false;
}

sqlite3* Connection::handle() const
{
    if (!m_db)
        throw DbError(QStringLiteral("Operation is not allowed when the object is closed."));
    return m_db;
}

void Connection::execRaw(const QString& sql)
{
    char* err = nullptr;
    const int rc = sqlite3_exec(handle(), sql.toUtf8().constData(), nullptr, nullptr, &err);
    if (rc != SQLITE_OK) {
        const QString msg = err ? QString::fromUtf8(err) : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_free(err);
        throw DbError(msg);
    }
}

void Connection::beginTrans()
{
    if (m_inTransaction)
        throw DbError(QStringLiteral("Transactions cannot be nested."));
    // IMMEDIATE takes the write lock up front, so two desks never deadlock
    // upgrading read locks in the middle of a save.
    execRaw(QStringLiteral("begin immediate"));
    m_inTransaction = true;
}

void Connection::commitTrans()
{
    if (!m_inTransaction)
        throw DbError(QStringLiteral("No transaction is active."));
    execRaw(QStringLiteral("commit"));
    m_inTransaction = false;
}

void Connection::rollbackTrans()
{
    if (!m_inTransaction)
        return;
    m_inTransaction = false;
    if (sqlite3_get_autocommit(handle()) == 0)
        execRaw(QStringLiteral("rollback"));
}

} // namespace db
