#pragma once

#include <QString>

struct sqlite3;

namespace db
{

// The single database connection: an encrypted SQLite file opened with its key.
class Connection
{
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens an existing file only; a missing file, a file that is not a
    // database or a wrong key all raise DbError.
    void open(const QString& path, const QString& key);
    void close();
    bool isOpen() const { return m_db != nullptr; }

    void beginTrans();
    void commitTrans();
    void rollbackTrans();
    bool inTransaction() const { return m_inTransaction; }

    // Runs SQL that needs no translation and returns no rows (schema, pragmas).
    void execRaw(const QString& sql);
    sqlite3* handle() const;
    QString path() const { return m_path; }

    // How long a statement waits for another process's lock before failing.
    static constexpr int BusyTimeoutMs = 5000;

private:
    sqlite3* m_db = nullptr;
    bool m_inTransaction = false;
    QString m_path;
};

// Raises DbError with the engine's message when rc is not a success code.
void check(sqlite3* db, int rc);

} // namespace db
