#include "app/schema.h"

#include "platform/db/connection.h"
#include "platform/db/dberror.h"
#include "platform/db/query.h"

#include <QDir>
#include <QFileInfo>
#include <sqlite3.h>

namespace app
{
namespace
{

// Text columns compare without letter case, as the Jet engine's do: the login
// and every duplicate check rely on it. Booleans hold Jet's -1 and 0.
const char* const Tables = R"SQL(
create table 会员卡信息 (
  会员卡号 text collate nocase, 会员姓名 text collate nocase, 性别 text collate nocase,
  职业 text collate nocase, 身份证号 text collate nocase, 会员生日 text, 生日 text collate nocase,
  地址 text collate nocase, 固定电话 text collate nocase, 手机 text collate nocase,
  积分 real default 0, 起用日期 text, 引荐人卡号 text collate nocase,
  引荐人姓名 text collate nocase, 口头挂失标志 integer not null default 0);
create unique index 会员卡信息_会员卡号 on 会员卡信息(会员卡号);
create index 会员卡信息_生日 on 会员卡信息(生日);

create table 操作员 (
  操作员 text collate nocase, 姓名 text collate nocase, 密码 text,
  "1" integer default 0, "2" integer default 0, "3" integer default 0, "4" integer default 0,
  "5" integer default 0, "6" integer default 0, "7" integer default 0, "8" integer default 0,
  "9" integer default 0, "10" integer default 0, "11" integer default 0, "12" integer default 0,
  "13" integer default 0, "14" integer default 0, "15" integer default 0, "16" integer default 0,
  "17" integer default 0, "18" integer default 0, "19" integer default 0, "20" integer default 0,
  "21" integer default 0);
create index 操作员_操作员 on 操作员(操作员);

create table 消费类别 (消费类别 text collate nocase, 积分比例 real);

create table 流水记录 (
  编号 text collate nocase, 会员卡号 text collate nocase, 会员姓名 text collate nocase,
  消费类型 text collate nocase, 引荐人卡号 text collate nocase, 引荐人姓名 text collate nocase,
  消费项目 text collate nocase, 兑换礼品 text collate nocase, 返现金 real, 增减积分 real,
  增减原因 text collate nocase, 日期 text, 时间 text, 经手人 text collate nocase);
create index 流水记录_编号 on 流水记录(编号);
create index 流水记录_会员卡号 on 流水记录(会员卡号);
create index 流水记录_日期 on 流水记录(日期);

create table 消费记录 (
  编号 text collate nocase, 消费类型 text collate nocase, 引荐人卡号 text collate nocase,
  引荐人姓名 text collate nocase, 会员卡号 text collate nocase, 会员姓名 text collate nocase,
  消费项目 text collate nocase, 消费金额 real, 增减原因 text collate nocase, 日期 text, 时间 text,
  经手人 text collate nocase);
create index 消费记录_编号 on 消费记录(编号);
create index 消费记录_会员卡号 on 消费记录(会员卡号);
create index 消费记录_日期 on 消费记录(日期);
create index 消费记录_消费项目 on 消费记录(消费项目);

create table 挂失记录 (
  旧卡号 text collate nocase, 新卡号 text collate nocase, 会员姓名 text collate nocase,
  原有积分 real, 日期 text, 时间 text, 经手人 text collate nocase);
create index 挂失记录_旧卡号 on 挂失记录(旧卡号);
create index 挂失记录_日期 on 挂失记录(日期);

create table 口头挂失记录 (
  会员卡号 text collate nocase, 会员姓名 text collate nocase, 口头挂失日期 text,
  口头挂失时间 text, 挂失经手人 text collate nocase, 取消挂失日期 text, 取消挂失时间 text,
  取消挂失经手人 text collate nocase);
create index 口头挂失记录_会员卡号 on 口头挂失记录(会员卡号);
create index 口头挂失记录_日期 on 口头挂失记录(口头挂失日期);

create table 团队 (
  卡号 text collate nocase, 姓名 text collate nocase, 团队成员卡号 text collate nocase,
  团队成员姓名 text collate nocase);
create index 团队_卡号 on 团队(卡号);
create index 团队_团队成员卡号 on 团队(团队成员卡号);

create table 自动变卡 (自动变卡 text);
)SQL";

} // namespace

void createSchema(db::Connection& connection)
{
    connection.execRaw(QString::fromUtf8(Tables));
    db::Query insert(connection);
    insert.setSql(QStringLiteral(
        "insert into 操作员([操作员],[姓名],[1],[2],[3],[4],[5],[6],[7],[8],[9],[10],[11],[12],"
        "[13],[14],[16],[15],[17],[18],[19],[20],[21])\r\n"
        "values('0001','系统管理员',true,true,true,true,true,true,true,true,true,true,true,true,"
        "true,true,true,true,true,true,true,true,true)"));
    insert.execSql();
    insert.setSql(QStringLiteral("insert into 自动变卡(自动变卡) values('否')"));
    insert.execSql();
}

void writeEmptyDatabase(const QString& path, const QString& key)
{
    if (QFileInfo::exists(path))
        throw db::DbError(QStringLiteral("File already exists: %1").arg(path));
    QDir().mkpath(QFileInfo(path).absolutePath());
    sqlite3* handle = nullptr;
    const QByteArray file = path.toUtf8();
    db::check(handle, sqlite3_open_v2(file.constData(), &handle,
                                      SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr));
    const QByteArray k = key.toUtf8();
    sqlite3_key(handle, k.constData(), k.size());
    sqlite3_exec(handle, "create table 临时(x); drop table 临时;", nullptr, nullptr, nullptr);
    sqlite3_close(handle);
    db::Connection connection;
    connection.open(path, key);
    connection.beginTrans();
    createSchema(connection);
    connection.commitTrans();
}

} // namespace app
