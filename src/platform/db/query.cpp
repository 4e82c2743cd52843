#include "platform/db/query.h"

#include "platform/db/connection.h"
#include "platform/db/dberror.h"
#include "platform/db/jetsql.h"
#include "platform/os/regional.h"

#include <QRegularExpression>
#include <QTimer>
#include <algorithm>
#include <cstring>
#include <sqlite3.h>

namespace db
{

int Query::blockSize = 256;

namespace
{

enum Tag : char { TagNull = 0, TagInt = 1, TagReal = 2, TagText = 3 };

// One column of the current row, read once from the engine.
struct Cell {
    int type;
    const char* text;
    quint32 len;
    union {
        sqlite3_int64 i;
        double d;
    };
};

int readCell(sqlite3_stmt* stmt, int column, Cell& cell)
{
    cell.type = sqlite3_column_type(stmt, column);
    switch (cell.type) {
    case SQLITE_NULL:
        return 1;
    case SQLITE_INTEGER:
        cell.i = sqlite3_column_int64(stmt, column);
        return 1 + 8;
    case SQLITE_FLOAT:
        cell.d = sqlite3_column_double(stmt, column);
        return 1 + 8;
    default:
        cell.text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
        cell.len = quint32(sqlite3_column_bytes(stmt, column));
        return 1 + int(sizeof cell.len) + int(cell.len);
    }
}

char* packCell(const Cell& cell, char* out)
{
    switch (cell.type) {
    case SQLITE_NULL:
        *out = TagNull;
        return out + 1;
    case SQLITE_INTEGER:
        *out = TagInt;
        std::memcpy(out + 1, &cell.i, sizeof cell.i);
        return out + 1 + sizeof cell.i;
    case SQLITE_FLOAT:
        *out = TagReal;
        std::memcpy(out + 1, &cell.d, sizeof cell.d);
        return out + 1 + sizeof cell.d;
    default:
        *out = TagText;
        std::memcpy(out + 1, &cell.len, sizeof cell.len);
        if (cell.len)
            std::memcpy(out + 1 + sizeof cell.len, cell.text, cell.len);
        return out + 1 + sizeof cell.len + cell.len;
    }
}

int cellSize(const char* p)
{
    switch (*p) {
    case TagNull:
        return 1;
    case TagInt:
    case TagReal:
        return 1 + 8;
    default: {
        quint32 len;
        std::memcpy(&len, p + 1, sizeof len);
        return 1 + int(sizeof len) + int(len);
    }
    }
}

QString quoteName(const QString& name)
{
    QString n = name;
    n.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + n + QLatin1Char('"');
}

} // namespace

Query::Query(Connection& connection, const QString& name, QObject* parent)
    : QObject(parent), m_connection(connection)
{
    setObjectName(name);
}

Query::~Query()
{
    finalizeStatement();
}

void Query::finalizeStatement()
{
    if (m_stmt) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
    }
    m_done = true;
}

void Query::close()
{
    finalizeStatement();
    const bool wasOpen = m_open;
    m_open = false;
    releaseRows();
    m_fields.clear();
    m_fieldIndex.clear();
    m_cursor = 0;
    m_knownCount = -1;
    if (wasOpen)
        emit reset();
}

void Query::setSql(const QString& sql)
{
    close();
    m_sql = sql;
    m_sort.clear();
}

QString Query::effectiveSql() const
{
    const QString base = translateJet(m_sql);
    if (m_sort.isEmpty())
        return base;
    QStringList keys;
    for (const auto& key : m_sort)
        keys << quoteName(key.first) + (key.second ? QStringLiteral(" desc") : QString());
    return QStringLiteral("select * from (%1) order by %2").arg(base, keys.join(QLatin1Char(',')));
}

void Query::prepare(const QString& sql)
{
    sqlite3* db = m_connection.handle();
    const QByteArray utf8 = sql.toUtf8();
    const int rc = sqlite3_prepare_v2(db, utf8.constData(), utf8.size(), &m_stmt, nullptr);
    if (rc != SQLITE_OK) {
        m_stmt = nullptr;
        check(db, rc);
    }
}

void Query::open()
{
    finalizeStatement();
    releaseRows();
    m_fields.clear();
    m_fieldIndex.clear();
    m_cursor = 0;
    m_knownCount = -1;
    m_open = false;
    prepare(effectiveSql());
    const int columns = sqlite3_column_count(m_stmt);
    if (columns == 0) {
        finalizeStatement();
        throw DbError(QStringLiteral("Current provider does not support returning multiple "
                                     "recordsets from a single execution."));
    }
    for (int c = 0; c < columns; ++c) {
        m_fields << QString::fromUtf8(sqlite3_column_name(m_stmt, c));
        if (!m_fieldIndex.contains(m_fields.back())) // the first of equal names wins
            m_fieldIndex.insert(m_fields.back(), c);
    }
    m_done = false;
    m_open = true;
    fetchMore(blockSize);
    emit reset();
    scheduleIdleFetch();
}

void Query::reopen(const QString& sql)
{
    setSql(sql);
    open();
}

int Query::execSql()
{
    close();
    prepare(translateJet(m_sql));
    int rc;
    do {
        rc = sqlite3_step(m_stmt);
    } while (rc == SQLITE_ROW);
    sqlite3* db = m_connection.handle();
    if (rc != SQLITE_DONE) {
        const QString msg = QString::fromUtf8(sqlite3_errmsg(db));
        finalizeStatement();
        throw DbError(msg);
    }
    finalizeStatement();
    return sqlite3_changes(db);
}

char* Query::allocateRow(size_t size)
{
    // Blocks grow from 4 KB to 1 MB, so the many small look-ups stay cheap
    // and a million-row grid needs few allocations.
    if (size > m_blockFree) {
        const size_t grown = size_t(4096) << std::min<size_t>(m_blocks.size(), 8);
        const size_t n = std::max(grown, size);
        m_blocks.emplace_back(new char[n]);
        m_blockPos = m_blocks.back().get();
        m_blockFree = n;
    }
    char* row = m_blockPos;
    m_blockPos += size;
    m_blockFree -= size;
    return row;
}

void Query::releaseRows()
{
    m_rows.clear();
    m_rows.shrink_to_fit();
    m_blocks.clear();
    m_blockPos = nullptr;
    m_blockFree = 0;
}

void Query::fetchMore(int rows)
{
    if (m_done || !m_stmt)
        return;
    const int first = int(m_rows.size());
    const int columns = m_fields.size();
    std::vector<Cell> cells(static_cast<size_t>(columns));
    for (int n = 0; n < rows; ++n) {
        const int rc = sqlite3_step(m_stmt);
        if (rc == SQLITE_ROW) {
            // Sized first, so the row is copied once.
            int size = 0;
            for (int c = 0; c < columns; ++c)
                size += readCell(m_stmt, c, cells[size_t(c)]);
            char* row = allocateRow(size_t(size));
            char* out = row;
            for (int c = 0; c < columns; ++c)
                out = packCell(cells[size_t(c)], out);
            m_rows.push_back(row);
            continue;
        }
        const QString msg = QString::fromUtf8(sqlite3_errmsg(m_connection.handle()));
        finalizeStatement();
        m_knownCount = int(m_rows.size());
        if (rc != SQLITE_DONE)
            throw DbError(msg);
        break;
    }
    if (int(m_rows.size()) > first)
        emit rowsFetched(first, int(m_rows.size()) - 1);
}

void Query::scheduleIdleFetch()
{
    // Finishing the read in idle time lets go of the file's read lock, so
    // another workstation can write while this grid stays open.
    if (m_done || m_idlePending)
        return;
    m_idlePending = true;
    QTimer::singleShot(0, this, [this] {
        m_idlePending = false;
        try {
            fetchMore(4096);
        } catch (const DbError&) {
            return;
        }
        scheduleIdleFetch();
    });
}

int Query::recordCount()
{
    if (!m_open)
        return 0;
    if (m_done || m_knownCount >= 0)
        return m_done ? int(m_rows.size()) : m_knownCount;
    sqlite3_stmt* stmt = nullptr;
    sqlite3* db = m_connection.handle();
    const QByteArray sql =
        QStringLiteral("select count(*) from (%1)").arg(translateJet(m_sql)).toUtf8();
    check(db, sqlite3_prepare_v2(db, sql.constData(), sql.size(), &stmt, nullptr));
    const int rc = sqlite3_step(stmt);
    const int count = rc == SQLITE_ROW ? sqlite3_column_int(stmt, 0) : 0;
    sqlite3_finalize(stmt);
    check(db, rc);
    m_knownCount = count;
    return count;
}

double Query::sum(const QString& field)
{
    if (!m_open)
        return 0;
    const int column = fieldIndex(field);
    if (column < 0)
        return 0;
    if (m_done) {
        double total = 0;
        for (int r = 0; r < int(m_rows.size()); ++r)
            total += value(r, column).toDouble();
        return total;
    }
    sqlite3_stmt* stmt = nullptr;
    sqlite3* db = m_connection.handle();
    const QByteArray sql = QStringLiteral("select total(%1) from (%2)")
                               .arg(quoteName(m_fields[column]), translateJet(m_sql))
                               .toUtf8();
    check(db, sqlite3_prepare_v2(db, sql.constData(), sql.size(), &stmt, nullptr));
    const int rc = sqlite3_step(stmt);
    const double total = rc == SQLITE_ROW ? sqlite3_column_double(stmt, 0) : 0;
    sqlite3_finalize(stmt);
    check(db, rc);
    return total;
}

void Query::first()
{
    m_cursor = 0;
}

void Query::next()
{
    if (m_cursor < int(m_rows.size()))
        ++m_cursor;
    if (m_cursor >= int(m_rows.size()))
        fetchMore(blockSize);
}

bool Query::eof() const
{
    return !m_open || m_cursor >= int(m_rows.size());
}

bool Query::isEmpty() const
{
    return !m_open || m_rows.empty();
}

void Query::setRecNo(int row)
{
    while (!m_done && row >= int(m_rows.size()))
        fetchMore(blockSize);
    m_cursor = qBound(0, row, int(m_rows.size()));
}

int Query::fieldIndex(const QString& name) const
{
    const auto exact = m_fieldIndex.constFind(name);
    if (exact != m_fieldIndex.constEnd())
        return exact.value();
    for (int c = 0; c < m_fields.size(); ++c) {
        if (m_fields[c].compare(name, Qt::CaseInsensitive) == 0)
            return c;
    }
    return -1;
}

bool Query::hasField(const QString& name) const
{
    return fieldIndex(name) >= 0;
}

QVariant Query::decode(const char* row, int column) const
{
    const char* p = row;
    for (int c = 0; c < column; ++c)
        p += cellSize(p);
    switch (*p) {
    case TagNull:
        return QVariant();
    case TagInt: {
        qint64 v;
        std::memcpy(&v, p + 1, sizeof v);
        return QVariant(v);
    }
    case TagReal: {
        double v;
        std::memcpy(&v, p + 1, sizeof v);
        return QVariant(v);
    }
    default: {
        quint32 len;
        std::memcpy(&len, p + 1, sizeof len);
        return QVariant(QString::fromUtf8(p + 1 + sizeof len, int(len)));
    }
    }
}

QVariant Query::value(int row, int column)
{
    while (!m_done && row >= int(m_rows.size()))
        fetchMore(qMax(blockSize, row + 1 - int(m_rows.size())));
    if (row < 0 || row >= int(m_rows.size()) || column < 0 || column >= m_fields.size())
        return QVariant();
    return decode(m_rows[size_t(row)], column);
}

QVariant Query::fieldOf(const QString& name) const
{
    const int column = fieldIndex(name);
    if (column < 0)
        throw DbError(QStringLiteral("%1: Field '%2' not found").arg(objectName(), name));
    if (eof())
        throw DbError(QStringLiteral("Either BOF or EOF is True, or the current record has been "
                                     "deleted. Requested operation requires a current record."));
    return decode(m_rows[size_t(m_cursor)], column);
}

QString Query::asString(const QString& name) const
{
    const QVariant v = fieldOf(name);
    if (v.isNull())
        return QString();
    if (v.typeId() == QMetaType::Double)
        return os::numberText(v.toDouble());
    return v.toString();
}

double Query::asFloat(const QString& name) const
{
    const QVariant v = fieldOf(name);
    if (v.isNull())
        return 0;
    if (v.typeId() != QMetaType::QString)
        return v.toDouble();
    bool ok = false;
    const double d = v.toString().trimmed().toDouble(&ok);
    if (!ok && !v.toString().trimmed().isEmpty())
        throw DbError(QStringLiteral("'%1' is not a valid floating point value").arg(v.toString()));
    return ok ? d : 0;
}

bool Query::asBoolean(const QString& name) const
{
    const QVariant v = fieldOf(name);
    if (v.isNull())
        return false;
    if (v.typeId() == QMetaType::QString) {
        const QString t = v.toString().trimmed();
        return t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 || (t.toLongLong() != 0);
    }
    return v.toDouble() != 0;
}

bool Query::isNull(const QString& name) const
{
    return fieldOf(name).isNull();
}

void Query::sortBy(const QVector<QPair<QString, bool>>& order)
{
    m_sort = order;
    open();
}

QString Query::baseTable() const
{
    static const QRegularExpression from(
        QStringLiteral("\\bfrom\\s+(\"(?:[^\"]|\"\")*\"|[^\\s,()]+)"),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = from.match(translateJet(m_sql));
    if (!m.hasMatch())
        throw DbError(
            QStringLiteral("Insufficient key column information for updating or refreshing."));
    QString table = m.captured(1);
    if (table.startsWith(QLatin1Char('"')))
        table =
            table.mid(1, table.size() - 2).replace(QStringLiteral("\"\""), QStringLiteral("\""));
    return table;
}

void Query::deleteCurrent()
{
    if (eof())
        throw DbError(QStringLiteral("Either BOF or EOF is True, or the current record has been "
                                     "deleted. Requested operation requires a current record."));
    const QString table = quoteName(baseTable());
    QStringList match;
    for (int c = 0; c < m_fields.size(); ++c)
        match << QStringLiteral("%1 is ?%2").arg(quoteName(m_fields[c])).arg(c + 1);
    const QByteArray sql = QStringLiteral("delete from %1 where rowid = (select rowid from %1 "
                                          "where %2 limit 1)")
                               .arg(table, match.join(QStringLiteral(" and ")))
                               .toUtf8();
    sqlite3* db = m_connection.handle();
    sqlite3_stmt* stmt = nullptr;
    check(db, sqlite3_prepare_v2(db, sql.constData(), sql.size(), &stmt, nullptr));
    const char* row = m_rows[size_t(m_cursor)];
    std::vector<QByteArray> texts(size_t(m_fields.size()));
    for (int c = 0; c < m_fields.size(); ++c) {
        const QVariant v = decode(row, c);
        if (v.isNull())
            sqlite3_bind_null(stmt, c + 1);
        else if (v.typeId() == QMetaType::LongLong)
            sqlite3_bind_int64(stmt, c + 1, v.toLongLong());
        else if (v.typeId() == QMetaType::Double)
            sqlite3_bind_double(stmt, c + 1, v.toDouble());
        else {
            texts[size_t(c)] = v.toString().toUtf8();
            sqlite3_bind_text(stmt, c + 1, texts[size_t(c)].constData(), texts[size_t(c)].size(),
                              SQLITE_STATIC);
        }
    }
    const int rc = sqlite3_step(stmt);
    sqlite3_finalize(stmt);
    check(db, rc);
    const int removed = m_cursor;
    m_rows.erase(m_rows.begin() + removed);
    if (m_knownCount > 0)
        --m_knownCount;
    if (m_cursor >= int(m_rows.size()))
        fetchMore(blockSize);
    if (m_done && m_cursor >= int(m_rows.size()) && m_cursor > 0)
        m_cursor = int(m_rows.size()) - 1;
    emit rowRemoved(removed);
}

} // namespace db
