// The connection, transactions and query objects over a fresh delivered database.
#include "app/dm1frm.h"
#include "app/schema.h"
#include "platform/db/dberror.h"
#include "platform/db/sqltext.h"
#include "platform/os/appenv.h"
#include "platform/ui/dialogs.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <thread>

namespace
{

// Records the boxes instead of showing them.
class Boxes : public ui::DialogService
{
public:
    struct Box {
        QString title, text;
        ui::Icon icon;
    };
    ui::Answer message(QWidget*, const QString& title, const QString& text, ui::Icon icon,
                       ui::Buttons) override
    {
        shown.push_back({title, text, icon});
        return ui::Answer::Ok;
    }
    bool fileDialog(QWidget*, ui::FileDialogRequest&) override { return false; }
    std::vector<Box> shown;
};

class Storage : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        os::setAppDir(m_dir.path());
        app::writeEmptyDatabase(TDM1::databasePath(), TDM1::DatabasePassword);
        m_dm.openDatabase();
        ui::setDialogService(&boxes);
    }
    void TearDown() override
    {
        ui::setDialogService(nullptr);
        os::setAppDir(QString());
        db::Query::blockSize = 256;
    }

    QString path() const { return TDM1::databasePath(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }
    int exec(const QString& sql) { return app::execute(m_dm.ADOall, sql); }
    db::Query& select(const QString& sql) { return app::select(m_dm.ADOall, sql); }
    int count(const QString& table)
    {
        return select(QStringLiteral("select count(*) as n from ") + table).asString("n").toInt();
    }
    // Rows seen by another connection, as another workstation would see them.
    int countElsewhere(const QString& table)
    {
        db::Connection other;
        other.open(path(), TDM1::DatabasePassword);
        db::Query q(other);
        q.setSql(QStringLiteral("select count(*) as n from ") + table);
        q.open();
        return q.asString("n").toInt();
    }
    void addMember(const QString& card, const QString& name = QStringLiteral("张三"))
    {
        exec(QStringLiteral("insert into 会员卡信息(会员卡号,会员姓名) values('%1','%2')")
                 .arg(db::esc(card), db::esc(name)));
    }

    QTemporaryDir m_dir;
    TDM1 m_dm;
    Boxes boxes;
};

// ---- the connection

TEST_F(Storage, OpeningFailsAsOneErrorForMissingForeignOrWronglyKeyedFiles)
{
    QFile text(file("notes.mdb"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write(QByteArray("Standard Jet DB, but really just some text.\n").repeated(100));
    text.close();
    QFile(file("empty.mdb")).open(QIODevice::WriteOnly);

    const std::pair<QString, QString> attempts[] = {
        {file("missing.mdb"), TDM1::DatabasePassword},
        {file("notes.mdb"), TDM1::DatabasePassword},
        {file("empty.mdb"), TDM1::DatabasePassword},
        {path(), QStringLiteral("wrongpassword")},
        {path(), QString()},
    };
    for (const auto& [file, key] : attempts) {
        db::Connection c;
        EXPECT_THROW(c.open(file, key), db::DbError)
            << file.toStdString() << " " << key.toStdString();
        EXPECT_FALSE(c.isOpen());
    }
    // A failed attempt leaves the file as it was: the empty file is not turned into a database.
    EXPECT_EQ(QFileInfo(file("empty.mdb")).size(), 0);
    EXPECT_FALSE(QFileInfo::exists(file("missing.mdb")));
}

TEST_F(Storage, DeliveredFileIsEncryptedAndHoldsTheTablesAndTheAdministrator)
{
    QFile f(path());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_FALSE(f.read(16).startsWith("SQLite format 3"));

    db::Query& tables = select(QStringLiteral("select name from sqlite_master where type='table' "
                                              "order by name"));
    QStringList names;
    for (; !tables.eof(); tables.next())
        names << tables.asString("name");
    QStringList expected{"会员卡信息", "操作员",       "消费类别", "流水记录", "消费记录",
                         "挂失记录",   "口头挂失记录", "团队",     "自动变卡"};
    expected.sort();
    names.sort();
    EXPECT_EQ(names, expected);

    db::Query& admin = select(QStringLiteral("select * from 操作员"));
    ASSERT_EQ(admin.recordCount(), 1);
    EXPECT_EQ(admin.asString("操作员"), QStringLiteral("0001"));
    EXPECT_EQ(admin.asString("姓名"), QStringLiteral("系统管理员"));
    EXPECT_EQ(admin.asString("密码"), QString());
    EXPECT_EQ(select(QStringLiteral("select * from 自动变卡")).asString("自动变卡"),
              QStringLiteral("否"));
    EXPECT_EQ(count(QStringLiteral("会员卡信息")) + count(QStringLiteral("流水记录")), 0);

    // Refuses to replace a delivered file.
    EXPECT_THROW(app::writeEmptyDatabase(path(), TDM1::DatabasePassword), db::DbError);
}

TEST_F(Storage, NewMemberStartsWithNoPointsAndNotBlocked)
{
    addMember(QStringLiteral("1001"));
    db::Query& q = select(QStringLiteral("select * from 会员卡信息 where 会员卡号='1001'"));
    EXPECT_EQ(q.asString("积分"), QStringLiteral("0"));
    EXPECT_FALSE(q.asBoolean("口头挂失标志"));
}

TEST_F(Storage, CardNumbersAreUniqueWhateverTheirLetterCase)
{
    addMember(QStringLiteral("VIP01"));
    EXPECT_THROW(addMember(QStringLiteral("VIP01")), db::DbError);
    EXPECT_THROW(addMember(QStringLiteral("vip01")), db::DbError);
    EXPECT_EQ(count(QStringLiteral("会员卡信息")), 1);
}

TEST_F(Storage, AShortLockHeldByAnotherProgramIsWaitedFor)
{
    sqlite3* other = nullptr;
    const QByteArray file = path().toUtf8(), key = TDM1::DatabasePassword.toUtf8();
    ASSERT_EQ(sqlite3_open(file.constData(), &other), SQLITE_OK);
    sqlite3_key(other, key.constData(), key.size());
    ASSERT_EQ(sqlite3_exec(other, "begin immediate", nullptr, nullptr, nullptr), SQLITE_OK);
    std::thread release([other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        sqlite3_exec(other, "commit", nullptr, nullptr, nullptr);
    });
    EXPECT_NO_THROW(addMember(QStringLiteral("1001")));
    release.join();
    sqlite3_close(other);
    EXPECT_EQ(count(QStringLiteral("会员卡信息")), 1);
}

// ---- engine errors and values placed into statements

TEST_F(Storage, EngineErrorsCarryTheEnginesText)
{
    try {
        exec(QStringLiteral("insert into 会员卡信息(会员卡号) values('1' '2')"));
        FAIL() << "no error";
    } catch (const db::DbError& e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("syntax error"))) << e.what();
    }
    EXPECT_THROW(select(QStringLiteral("select * from 没有这个表")), db::DbError);
    EXPECT_THROW(select(QStringLiteral("select 没有这列 from 操作员")), db::DbError);
    // The query object stays usable after an error.
    EXPECT_EQ(count(QStringLiteral("操作员")), 1);
}

TEST_F(Storage, QuotesTypedIntoValuesAreStoredAsTyped)
{
    const QString name = QStringLiteral("O'Brien'' ' or '1'='1");
    EXPECT_EQ(db::esc(QStringLiteral("a'b''c")), QStringLiteral("a''b''''c"));
    addMember(QStringLiteral("1'2"), name);
    addMember(QStringLiteral("1002"));
    db::Query& q = select(QStringLiteral("select * from 会员卡信息 where 会员姓名='") +
                          db::esc(name) + QStringLiteral("'"));
    ASSERT_EQ(q.recordCount(), 1);
    EXPECT_EQ(q.asString("会员姓名"), name);
    EXPECT_EQ(q.asString("会员卡号"), QStringLiteral("1'2"));
}

TEST_F(Storage, ColumnNamesFromDropDownsMustNameAColumn)
{
    db::Connection& c = m_dm.ADOConnection1;
    EXPECT_EQ(db::checkedColumn(c, QStringLiteral("会员卡信息"), QStringLiteral("会员姓名")),
              QStringLiteral("会员姓名"));
    EXPECT_EQ(db::checkedColumn(c, QStringLiteral("操作员"), QStringLiteral("21")),
              QStringLiteral("21"));
    for (const char* bad : {"会员姓名='' or 1=1 --", "会员", "", "经手人", "会员姓名]"})
        EXPECT_THROW(db::checkedColumn(c, QStringLiteral("会员卡信息"), QString::fromUtf8(bad)),
                     db::DbError)
            << bad;
    EXPECT_THROW(db::checkedColumn(c, QStringLiteral("没有这个表"), QStringLiteral("会员姓名")),
                 db::DbError);
}

TEST_F(Storage, NumbersReadAsTextWithoutTrailingZeros)
{
    const std::pair<const char*, const char*> cases[] = {
        {"'12.5'", "12.5"}, {"'3'", "3"},         {"'33.33'", "33.33"},
        {"'0'", "0"},       {"'-7.25'", "-7.25"}, {"'1234567.5'", "1234567.5"},
        {"0.1+0.2", "0.3"}};
    for (const auto& [written, read] : cases) {
        exec(QStringLiteral("delete from 消费记录"));
        exec(QStringLiteral("insert into 消费记录(编号,消费金额) values('1',%1)")
                 .arg(QLatin1String(written)));
        db::Query& q = select(QStringLiteral("select 消费金额 from 消费记录"));
        EXPECT_EQ(q.asString("消费金额"), QLatin1String(read)) << written;
    }
    exec(QStringLiteral("insert into 会员卡信息(会员卡号,积分) values('1','10')"));
    exec(QStringLiteral("update 会员卡信息 set 积分=积分+'2.5' where 会员卡号='1'"));
    EXPECT_EQ(select(QStringLiteral("select 积分 from 会员卡信息")).asFloat("积分"), 12.5);
}

// ---- transactions

TEST_F(Storage, TransactionsCommitOrRollBackAndNeverNest)
{
    db::Connection& c = m_dm.ADOConnection1;
    c.beginTrans();
    addMember(QStringLiteral("1001"));
    EXPECT_THROW(c.beginTrans(), db::DbError);
    EXPECT_TRUE(c.inTransaction());
    c.commitTrans();
    EXPECT_EQ(countElsewhere(QStringLiteral("会员卡信息")), 1);

    c.beginTrans();
    addMember(QStringLiteral("1002"));
    c.rollbackTrans();
    EXPECT_FALSE(c.inTransaction());
    EXPECT_EQ(count(QStringLiteral("会员卡信息")), 1);
    EXPECT_THROW(c.commitTrans(), db::DbError);
}

TEST_F(Storage, TransactRollsBackAndShowsTheErrorInAPlainBox)
{
    const bool ok = app::transact([&] {
        addMember(QStringLiteral("1001"));
        addMember(QStringLiteral("1001")); // the unique card index refuses it
    });
    EXPECT_FALSE(ok);
    EXPECT_FALSE(m_dm.ADOConnection1.inTransaction());
    EXPECT_EQ(count(QStringLiteral("会员卡信息")), 0);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].title, ui::applicationTitle());
    EXPECT_EQ(boxes.shown[0].icon, ui::Icon::None);
    EXPECT_TRUE(boxes.shown[0].text.contains(QStringLiteral("UNIQUE")))
        << boxes.shown[0].text.toStdString();

    // Any error of the body counts, not only the engine's.
    EXPECT_FALSE(app::transact([&] {
        addMember(QStringLiteral("1002"));
        throw std::runtime_error("'abc' is not a valid floating point value");
    }));
    EXPECT_EQ(boxes.shown.back().text, QStringLiteral("'abc' is not a valid floating point value"));
    EXPECT_EQ(count(QStringLiteral("会员卡信息")), 0);

    // Committed before it returns: another workstation sees the rows at once.
    boxes.shown.clear();
    EXPECT_TRUE(app::transact([&] {
        addMember(QStringLiteral("1003"));
        addMember(QStringLiteral("1004"));
    }));
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(countElsewhere(QStringLiteral("会员卡信息")), 2);
}

TEST_F(Storage, AGridStaysReadableAcrossARolledBackTransaction)
{
    db::Query::blockSize = 2;
    for (int i = 1; i <= 9; ++i)
        exec(QStringLiteral("insert into 流水记录(编号) values('%1')").arg(i));
    db::Query& grid =
        app::select(m_dm.ADOQuery8, QStringLiteral("select * from 流水记录 order by 编号"));
    ASSERT_FALSE(grid.allFetched());
    EXPECT_FALSE(app::transact([&] {
        exec(QStringLiteral("insert into 流水记录(编号) values('x')"));
        exec(QStringLiteral("insert into 没有这个表 values(1)"));
    }));
    int rows = 0;
    for (; !grid.eof(); grid.next())
        ++rows;
    EXPECT_EQ(rows, 9);
}

// ---- walking and changing a result

TEST_F(Storage, QueriesWalkTheirRowsAndCountThemBeforeAllAreRead)
{
    db::Query::blockSize = 3;
    for (int i = 1; i <= 8; ++i)
        exec(QStringLiteral("insert into 流水记录(编号,增减积分) values('%1','%2')")
                 .arg(i, 10, 10, QLatin1Char('0'))
                 .arg(i * 1.5));
    db::Query& q =
        select(QStringLiteral("select * from 流水记录\r\nwhere 增减积分>'2'\r\norder by 编号"));
    EXPECT_FALSE(q.allFetched());
    EXPECT_EQ(q.recordCount(), 7);
    QStringList serials;
    for (; !q.eof(); q.next())
        serials << q.asString("编号").right(1);
    EXPECT_EQ(serials.join(QString()), QStringLiteral("2345678"));
    EXPECT_TRUE(q.allFetched());
    EXPECT_EQ(q.recordCount(), 7);
    EXPECT_THROW(q.asString("编号"), db::DbError); // past the end
    q.first();
    EXPECT_EQ(q.asString("编号"), QStringLiteral("0000000002"));
    EXPECT_EQ(q.asString("增减积分"), QStringLiteral("3"));
    EXPECT_THROW(q.asString("没有这列"), db::DbError);

    db::Query& none = select(QStringLiteral("select * from 流水记录 where 编号='x'"));
    EXPECT_TRUE(none.eof());
    EXPECT_TRUE(none.isEmpty());
    EXPECT_EQ(none.recordCount(), 0);
    EXPECT_THROW(select(QStringLiteral("delete from 流水记录")), db::DbError); // not a select
    EXPECT_EQ(count(QStringLiteral("流水记录")), 8);
}

TEST_F(Storage, DeletingTheCurrentRowRemovesThatRowOnly)
{
    db::Query::blockSize = 2;
    // Two identical entries: deleting one must leave the other.
    for (const char* serial : {"1", "2", "2", "3", "4", "5"})
        exec(QStringLiteral(
                 "insert into 流水记录(编号,会员卡号,增减积分,日期) values('%1','1001','5',null)")
                 .arg(QLatin1String(serial)));
    db::Query& q =
        app::select(m_dm.ADOQuery8, QStringLiteral("select * from 流水记录 order by 编号"));
    q.next();
    ASSERT_EQ(q.asString("编号"), QStringLiteral("2"));
    EXPECT_EQ(q.recordCount(), 6);
    q.deleteCurrent();
    EXPECT_EQ(q.asString("编号"), QStringLiteral("2")); // its twin is now current
    EXPECT_EQ(q.recordCount(), 5);
    EXPECT_EQ(countElsewhere(QStringLiteral("流水记录 where 编号='2'")), 1);

    q.setRecNo(4);
    ASSERT_EQ(q.asString("编号"), QStringLiteral("5"));
    q.deleteCurrent(); // the last row: the one before becomes current
    EXPECT_FALSE(q.eof());
    EXPECT_EQ(q.asString("编号"), QStringLiteral("4"));
    EXPECT_EQ(q.recordCount(), 4);
    EXPECT_EQ(countElsewhere(QStringLiteral("流水记录")), 4);
}

TEST_F(Storage, GridQueriesReopenWithNewText)
{
    addMember(QStringLiteral("1001"), QStringLiteral("甲"));
    addMember(QStringLiteral("1002"), QStringLiteral("乙"));
    db::Query& grid = m_dm.ADOQuery5;
    grid.reopen(QStringLiteral("select * from 会员卡信息 where 会员卡号='1001'"));
    EXPECT_EQ(grid.recordCount(), 1);
    grid.reopen(QStringLiteral("select 会员姓名 from 会员卡信息 order by 会员卡号 desc"));
    EXPECT_EQ(grid.recordCount(), 2);
    EXPECT_EQ(grid.fieldNames(), QStringList{QStringLiteral("会员姓名")});
    EXPECT_EQ(grid.asString("会员姓名"), QStringLiteral("乙"));
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
