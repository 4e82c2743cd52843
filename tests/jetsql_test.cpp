// The Jet dialect the windows write, as SQLite receives it, and a few of the
// translated statements run against a real database.
#include "app/dm1frm.h"
#include "app/schema.h"
#include "platform/db/jetsql.h"
#include "platform/os/appenv.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

struct Case {
    const char* jet;
    const char* sqlite;
};

void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.jet;
}

class Translation : public ::testing::TestWithParam<Case>
{
};

TEST_P(Translation, RewritesOnlyWhatSqliteLacks)
{
    EXPECT_EQ(db::translateJet(QString::fromUtf8(GetParam().jet)).toStdString(),
              std::string(GetParam().sqlite));
}

const Case Cases[] = {
    // Date literals become the zero-padded text the dates are stored as.
    {"select * from 流水记录 where 日期<#2024-05-01#",
     "select * from 流水记录 where 日期<'2024-05-01'"},
    {"where 日期 between #2024-01-01# and #2024-12-31# order by 日期",
     "where 日期 between '2024-01-01' and '2024-12-31' order by 日期"},
    {"where 日期>=#2024-5-1#", "where 日期>='2024-05-01'"},
    {"where 口头挂失日期 between #2023-12-31#and#2024-1-2#",
     "where 口头挂失日期 between '2023-12-31'and'2024-01-02'"},
    // A # that opens no date stays as it is.
    {"select 编号 from 流水记录 where 消费项目 = 1 # 2",
     "select 编号 from 流水记录 where 消费项目 = 1 # 2"},
    // Bracketed names, the bare-number permission columns included.
    {"select [1],[2],[21] from 操作员 where [操作员]='0001'",
     "select \"1\",\"2\",\"21\" from 操作员 where \"操作员\"='0001'"},
    {"update 操作员 set [姓名]='x',[1]='-1',[21]='0' where 操作员='0002'",
     "update 操作员 set \"姓名\"='x',\"1\"='-1',\"21\"='0' where 操作员='0002'"},
    {"select [a\"b] from t", "select \"a\"\"b\" from t"},
    // delete T from T where ... loses its first table name.
    {"delete 流水记录 from 流水记录 where 编号='0000000001'",
     "delete from 流水记录 where 编号='0000000001'"},
    {"delete [消费记录] from [消费记录] where 日期<#2020-01-01#",
     "delete from \"消费记录\" where 日期<'2020-01-01'"},
    {"DELETE 团队 FROM 团队", "DELETE FROM 团队"},
    {"delete from 挂失记录 where 旧卡号='1'", "delete from 挂失记录 where 旧卡号='1'"},
    {"delete from 挂失记录", "delete from 挂失记录"},
    // true and false are Jet's -1 and 0, as whole words only.
    {"update 会员卡信息 set 口头挂失标志=true where 会员卡号='1'",
     "update 会员卡信息 set 口头挂失标志=-1 where 会员卡号='1'"},
    {"insert into 操作员([1],[2]) values(TRUE,False)",
     "insert into 操作员(\"1\",\"2\") values(-1,0)"},
    {"select * from 会员卡信息 where 口头挂失标志=false and 职业<>'x'",
     "select * from 会员卡信息 where 口头挂失标志=0 and 职业<>'x'"},
    {"select truename, is_true, false1 from t", "select truename, is_true, false1 from t"},
    // Substring search and the serial number aggregate pass through.
    {"select * from 会员卡信息 where 会员姓名 like '%张%'",
     "select * from 会员卡信息 where 会员姓名 like '%张%'"},
    {"select max(编号) as 最大编号 from 流水记录", "select max(编号) as 最大编号 from 流水记录"},
    // Nothing inside a quoted literal is rewritten.
    {"insert into 流水记录(增减原因) values('#2024-05-01# [1] true false')",
     "insert into 流水记录(增减原因) values('#2024-05-01# [1] true false')"},
    {"select * from 会员卡信息 where 地址='O''Brien [x] # true' and 口头挂失标志=true",
     "select * from 会员卡信息 where 地址='O''Brien [x] # true' and 口头挂失标志=-1"},
    {"update 会员卡信息 set 地址='delete t from t' where 会员卡号=''''",
     "update 会员卡信息 set 地址='delete t from t' where 会员卡号=''''"},
    {"select * from t where a='it''s' and b=true", "select * from t where a='it''s' and b=-1"},
    {"select * from t where a='unterminated [1] true",
     "select * from t where a='unterminated [1] true"},
    // Line breaks inside the text are kept.
    {"insert into 操作员([1])\r\nvalues(true)", "insert into 操作员(\"1\")\r\nvalues(-1)"},
};

INSTANTIATE_TEST_SUITE_P(Jet, Translation, ::testing::ValuesIn(Cases));

// The translated statements against the delivered schema.
class JetOnDatabase : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        os::setAppDir(m_dir.path());
        app::writeEmptyDatabase(TDM1::databasePath(), TDM1::DatabasePassword);
        m_dm.openDatabase();
    }
    void TearDown() override { os::setAppDir(QString()); }

    int exec(const QString& sql) { return app::execute(m_dm.ADOall, sql); }
    db::Query& select(const QString& sql) { return app::select(m_dm.ADOall, sql); }

    QTemporaryDir m_dir;
    TDM1 m_dm;
};

TEST_F(JetOnDatabase, BooleansWrittenEitherWayReadBackAsBooleans)
{
    exec(QStringLiteral("insert into 操作员([操作员],[姓名],[1],[2],[3],[4]) "
                        "values('0002','甲',true,false,'-1','0')"));
    db::Query& q = select(QStringLiteral("select * from 操作员 where 操作员='0002'"));
    ASSERT_FALSE(q.eof());
    EXPECT_TRUE(q.asBoolean(QStringLiteral("1")));
    EXPECT_FALSE(q.asBoolean(QStringLiteral("2")));
    EXPECT_TRUE(q.asBoolean(QStringLiteral("3")));
    EXPECT_FALSE(q.asBoolean(QStringLiteral("4")));
    EXPECT_FALSE(q.asBoolean(QStringLiteral("5"))); // never written: the default
    // The quoted form compares equal to the word form, as Jet's booleans do.
    EXPECT_EQ(
        select(QStringLiteral("select * from 操作员 where [3]=true and [4]=false")).recordCount(),
        1);

    // The administrator row of the delivered file holds every flag.
    db::Query& admin = select(QStringLiteral("select * from 操作员 where 操作员='0001'"));
    ASSERT_FALSE(admin.eof());
    for (int flag = 1; flag <= 21; ++flag)
        EXPECT_TRUE(admin.asBoolean(QString::number(flag))) << flag;
}

TEST_F(JetOnDatabase, DateLiteralsCompareWithStoredShortDates)
{
    for (const char* date : {"2023-12-31", "2024-01-01", "2024-05-09", "2024-05-10", "2024-12-31"})
        exec(QStringLiteral("insert into 流水记录(编号,日期) values('%1','%1')")
                 .arg(QLatin1String(date)));
    EXPECT_EQ(
        select(QStringLiteral("select * from 流水记录 where 日期<#2024-05-10#")).recordCount(), 3);
    EXPECT_EQ(select(QStringLiteral("select * from 流水记录 where 日期 between #2024-1-1# and "
                                    "#2024-5-10#"))
                  .recordCount(),
              3);
    EXPECT_EQ(exec(QStringLiteral("delete 流水记录 from 流水记录 where 日期<#2024-01-01#")), 1);
    EXPECT_EQ(select(QStringLiteral("select * from 流水记录")).recordCount(), 4);
}

TEST_F(JetOnDatabase, TextComparisonsIgnoreLetterCase)
{
    exec(QStringLiteral("insert into 操作员(操作员,姓名,密码) values('ABC','Zhang','Secret')"));
    EXPECT_FALSE(select(QStringLiteral("select * from 操作员 where 操作员='abc'")).eof());
    EXPECT_FALSE(select(QStringLiteral("select * from 操作员 where 'abc'=操作员")).eof());
    EXPECT_FALSE(select(QStringLiteral("select * from 操作员 where 姓名 like '%ANG%'")).eof());
    exec(QStringLiteral("insert into 消费类别(消费类别,积分比例) values('Food',10)"));
    EXPECT_FALSE(select(QStringLiteral("select * from 消费类别 where 消费类别='FOOD'")).eof());
}

TEST_F(JetOnDatabase, HighestSerialIsNullOnAnEmptyLedgerThenTheLastOne)
{
    db::Query& q = select(QStringLiteral("select max(编号) as 最大编号 from 流水记录"));
    ASSERT_FALSE(q.eof());
    EXPECT_TRUE(q.isNull(QStringLiteral("最大编号")));
    EXPECT_EQ(q.asString(QStringLiteral("最大编号")), QString());

    for (const char* serial : {"0000000009", "0000000010", "0000000002"})
        exec(QStringLiteral("insert into 流水记录(编号) values('%1')").arg(QLatin1String(serial)));
    EXPECT_EQ(select(QStringLiteral("select max(编号) as 最大编号 from 流水记录"))
                  .asString(QStringLiteral("最大编号")),
              QStringLiteral("0000000010"));
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
