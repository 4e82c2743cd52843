#include "support/benchdb.h"

#include "app/dm1frm.h"
#include "app/schema.h"
#include "platform/db/connection.h"
#include "platform/db/dberror.h"
#include "platform/os/regional.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTime>
#include <cstdio>
#include <random>
#include <sqlite3.h>

namespace bench
{
namespace
{

const char* const Categories[] = {"餐饮", "酒水", "客房", "娱乐", "外卖"};
const char* const Items[] = {"宫保鸡丁", "鱼香肉丝", "红烧肉",   "啤酒",   "白酒",
                             "米饭",     "水煮鱼",   "麻婆豆腐", "包间费", "茶水"};
const char* const Surnames[] = {"张", "王", "李", "赵", "刘", "陈", "杨", "黄", "周", "吴"};
const char* const Given[] = {"伟", "芳", "娜", "敏", "静", "丽", "强", "磊", "军", "洋"};

QString root()
{
    const QByteArray env = qgetenv("HUIYUAN_BENCH_DIR");
    return env.isEmpty() ? QStringLiteral("/tmp/huiyuan-bench") : QString::fromLocal8Bit(env);
}

// A statement prepared once and run for every row of a bulk insert.
class Insert
{
public:
    Insert(sqlite3* db, const char* sql) : m_db(db)
    {
        db::check(db, sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr));
    }
    ~Insert() { sqlite3_finalize(m_stmt); }
    Insert(const Insert&) = delete;
    Insert& operator=(const Insert&) = delete;

    Insert& text(int column, const QByteArray& value)
    {
        sqlite3_bind_text(m_stmt, column, value.constData(), value.size(), SQLITE_TRANSIENT);
        return *this;
    }
    Insert& text(int column, const char* value)
    {
        sqlite3_bind_text(m_stmt, column, value, -1, SQLITE_STATIC);
        return *this;
    }
    Insert& real(int column, double value)
    {
        sqlite3_bind_double(m_stmt, column, value);
        return *this;
    }
    Insert& integer(int column, int value)
    {
        sqlite3_bind_int(m_stmt, column, value);
        return *this;
    }
    void run()
    {
        db::check(m_db, sqlite3_step(m_stmt));
        sqlite3_reset(m_stmt);
    }

private:
    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

QByteArray name(int i)
{
    return QByteArray(Surnames[i % 10]) + Given[(i / 10) % 10] + Given[(i / 100) % 10];
}

QByteArray serial(int i)
{
    return QByteArray::number(i).rightJustified(10, '0');
}

void exec(sqlite3* db, const char* sql)
{
    db::check(db, sqlite3_exec(db, sql, nullptr, nullptr, nullptr));
}

void fillMembers(sqlite3* db)
{
    Insert member(db, "insert into 会员卡信息(会员卡号,会员姓名,性别,职业,身份证号,会员生日,生日,"
                      "地址,固定电话,手机,积分,起用日期,引荐人卡号,引荐人姓名,口头挂失标志) "
                      "values(?1,?2,?3,'职员',?4,?5,?6,'市中心路1号',?7,?8,?9,?10,?11,?12,?13)");
    const QDate start(2015, 1, 1);
    for (int i = 0; i < MemberCount; ++i) {
        const QDate birthday = QDate(1960, 1, 1).addDays(i % 15000);
        const int referrer = i > 0 && i % 3 == 0 ? i / 3 : -1;
        member.text(1, cardNumber(i).toUtf8())
            .text(2, name(i))
            .text(3, i % 2 ? "男" : "女")
            .text(4, QByteArray("11010119") + QByteArray::number(i).rightJustified(10, '0'))
            .text(5, os::shortDate(birthday).toUtf8())
            .text(6, os::monthDay(birthday).toUtf8())
            .text(7, QByteArray("0") + QByteArray::number(20000000 + i))
            .text(8, QByteArray("1") + QByteArray::number(3800000000LL + i))
            .real(9, (i % 5000) / 2.0)
            .text(10, os::shortDate(start.addDays(i % 3000)).toUtf8())
            .text(11, referrer >= 0 ? cardNumber(referrer).toUtf8() : QByteArray())
            .text(12, referrer >= 0 ? name(referrer) : QByteArray())
            .integer(13, i % 997 == 0 ? -1 : 0)
            .run();
    }
}

void fillLedgerAndConsumption(sqlite3* db)
{
    Insert ledger(db, "insert into 流水记录(编号,会员卡号,会员姓名,消费类型,引荐人卡号,引荐人姓名,"
                      "消费项目,兑换礼品,返现金,增减积分,增减原因,日期,时间,经手人) "
                      "values(?1,?2,?3,?4,'','',?5,'',0,?6,'消费',?7,?8,'0001')");
    Insert line(db, "insert into 消费记录(编号,消费类型,引荐人卡号,引荐人姓名,会员卡号,会员姓名,"
                    "消费项目,消费金额,增减原因,日期,时间,经手人) "
                    "values(?1,?2,'','',?3,?4,?5,?6,'消费',?7,?8,'0001')");
    std::mt19937 random(20240501);
    std::uniform_int_distribution<int> members(0, MemberCount - 1);
    const QDate start(2018, 1, 1);
    const int linesPerEntry = ConsumptionRows / LedgerRows;
    for (int i = 1; i <= LedgerRows; ++i) {
        const int m = members(random);
        const QByteArray number = serial(i);
        const QByteArray card = cardNumber(m).toUtf8();
        const QByteArray who = name(m);
        const char* category = Categories[i % 5];
        const QByteArray date = os::shortDate(start.addDays(i / 500)).toUtf8();
        const QByteArray time = os::longTime(QTime(0, 0).addSecs((i * 37) % 86400)).toUtf8();
        double amount = 0;
        for (int k = 0; k < linesPerEntry; ++k) {
            const double price = 10 + (i * 7 + k * 13) % 290;
            amount += price;
            line.text(1, number)
                .text(2, category)
                .text(3, card)
                .text(4, who)
                .text(5, Items[(i + k) % 10])
                .real(6, price)
                .text(7, date)
                .text(8, time)
                .run();
        }
        ledger.text(1, number)
            .text(2, card)
            .text(3, who)
            .text(4, category)
            .text(5, Items[i % 10])
            .real(6, amount / 10)
            .text(7, date)
            .text(8, time)
            .run();
        if (i % 100000 == 0) {
            exec(db, "commit; begin");
            std::fprintf(stderr, "  ledger rows: %d\n", i);
        }
    }
}

void fillLosses(sqlite3* db)
{
    Insert loss(db, "insert into 挂失记录(旧卡号,新卡号,会员姓名,原有积分,日期,时间,经手人) "
                    "values(?1,?2,?3,100,'2020-06-01','10:00:00','0001')");
    // Retired numbers lie outside the members' range, as a replaced card does.
    for (int i = 0; i < 1000; ++i)
        loss.text(1, cardNumber(MemberCount + i).toUtf8())
            .text(2, cardNumber(i * 97).toUtf8())
            .text(3, name(i * 97))
            .run();
}

void generate(const QString& path)
{
    std::fprintf(stderr, "Generating the benchmark database at %s (takes a few minutes)...\n",
                 qPrintable(path));
    QFile::remove(path);
    app::writeEmptyDatabase(path, TDM1::DatabasePassword);
    db::Connection connection;
    connection.open(path, TDM1::DatabasePassword);
    sqlite3* db = connection.handle();
    exec(db, "pragma cache_size = -262144; pragma synchronous = off; pragma journal_mode = off");
    exec(db, "begin");
    fillMembers(db);
    fillLosses(db);
    fillLedgerAndConsumption(db);
    exec(db, "commit");
    exec(db, "pragma journal_mode = delete; analyze");
    connection.close();
    std::fprintf(stderr, "Done.\n");
}

} // namespace

QString cardNumber(int i)
{
    return QString::number(i + 1).rightJustified(10, QLatin1Char('0'));
}

QString benchDatabaseDir()
{
    const QString dir = root();
    const QString file = dir + QStringLiteral("/database/database.mdb");
    if (QFileInfo::exists(file))
        return dir;
    QDir().mkpath(dir + QStringLiteral("/database"));
    // Two benchmark programs started together build the file once.
    QLockFile lock(dir + QStringLiteral("/generate.lock"));
    lock.setStaleLockTime(0);
    lock.lock();
    if (!QFileInfo::exists(file)) {
        // Written beside and renamed at the end, so an interrupted run leaves no half file.
        const QString partial = file + QStringLiteral(".partial");
        generate(partial);
        if (!QFile::rename(partial, file))
            throw db::DbError(QStringLiteral("Could not move %1 into place").arg(partial));
    }
    return dir;
}

QString benchDatabasePath()
{
    return benchDatabaseDir() + QStringLiteral("/database/database.mdb");
}

} // namespace bench
