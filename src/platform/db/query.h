#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <memory>
#include <vector>

struct sqlite3_stmt;

namespace db
{

class Connection;

// A query object holding one SQL text at a time. Selects are read lazily in
// blocks, so a grid over a million ledger rows shows its first rows at once;
// the rest is read on demand and in idle time, after which the read lock is let go.
class Query : public QObject
{
    Q_OBJECT
public:
    explicit Query(Connection& connection, const QString& name = QString(),
                   QObject* parent = nullptr);
    ~Query() override;

    void close();
    void setSql(const QString& sql);
    const QString& sql() const { return m_sql; }
    void open();
    // Runs a statement that returns no rows; returns the number of rows changed.
    int execSql();
    void reopen(const QString& sql);
    bool isOpen() const { return m_open; }

    // Walking the current result.
    void first();
    void next();
    bool eof() const;
    bool isEmpty() const;
    int recNo() const { return m_cursor; }
    void setRecNo(int row);
    int recordCount();

    // Columns of the current row, by name (letter case ignored).
    bool hasField(const QString& name) const;
    QString asString(const QString& name) const;
    double asFloat(const QString& name) const;
    bool asBoolean(const QString& name) const;
    bool isNull(const QString& name) const;

    // Random access for grids; fetches up to the row as needed.
    const QStringList& fieldNames() const { return m_fields; }
    int fieldIndex(const QString& name) const;
    QVariant value(int row, int column);
    int fetchedCount() const { return int(m_rows.size()); }
    bool allFetched() const { return m_done; }
    void fetchMore(int rows);

    // Aggregates over the whole result, not only the rows fetched so far.
    double sum(const QString& field);

    // Re-opens the result ordered by the given columns (name, descending).
    void sortBy(const QVector<QPair<QString, bool>>& order);
    const QVector<QPair<QString, bool>>& sortOrder() const { return m_sort; }

    // Deletes the current row from the table it came from; the next row becomes current.
    void deleteCurrent();

    Connection& connection() const { return m_connection; }

    static int blockSize;

signals:
    void reset();
    void rowRemoved(int row);
    void rowsFetched(int first, int last);

private:
    QVariant fieldOf(const QString& name) const;
    QVariant decode(const char* row, int column) const;
    char* allocateRow(size_t size);
    void releaseRows();
    void prepare(const QString& sql);
    void finalizeStatement();
    QString effectiveSql() const;
    QString baseTable() const;
    void scheduleIdleFetch();

    Connection& m_connection;
    QString m_sql;
    bool m_open = false;
    sqlite3_stmt* m_stmt = nullptr;
    bool m_done = true;
    QStringList m_fields;
    QHash<QString, int> m_fieldIndex; // exact names, the common case of a look-up
    // Each row packed compactly into large shared blocks: a million rows
    // cost a few hundred allocations, not a million.
    std::vector<const char*> m_rows;
    std::vector<std::unique_ptr<char[]>> m_blocks;
    char* m_blockPos = nullptr;
    size_t m_blockFree = 0;
    int m_cursor = 0;
    int m_knownCount = -1;
    QVector<QPair<QString, bool>> m_sort;
    bool m_idlePending = false;
};

} // namespace db
