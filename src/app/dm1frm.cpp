#include "app/dm1frm.h"

#include "platform/db/dberror.h"
#include "platform/os/appenv.h"
#include "platform/ui/dialogs.h"

namespace
{
TDM1* g_instance = nullptr;
}

const QString TDM1::DatabasePassword = QStringLiteral("qorvexmundplate");

TDM1::TDM1()
    : ADOall(ADOConnection1, QStringLiteral("ADOall")),
      ADO123(ADOConnection1, QStringLiteral("ADO123")),
      ADOQuery3(ADOConnection1, QStringLiteral("ADOQuery3")),
      ADOQuery4(ADOConnection1, QStringLiteral("ADOQuery4")),
      ADOQuery5(ADOConnection1, QStringLiteral("ADOQuery5")),
      ADOQuery7(ADOConnection1, QStringLiteral("ADOQuery7")),
      ADOQuery8(ADOConnection1, QStringLiteral("ADOQuery8")),
      ADOQuery9(ADOConnection1, QStringLiteral("ADOQuery9")),
      ADOQuery10(ADOConnection1, QStringLiteral("ADOQuery10")),
      ADOQuery12(ADOConnection1, QStringLiteral("ADOQuery12")),
      ADOQuery13(ADOConnection1, QStringLiteral("ADOQuery13"))
{
    ADOQuery3.setSql(QStringLiteral("select * from 会员卡信息"));
    ADOQuery4.setSql(QStringLiteral("select * from 消费类别"));
    ADOQuery5.setSql(QStringLiteral("select * from 会员卡信息"));
    ADOQuery8.setSql(QStringLiteral("select * from 流水记录"));
    ADOQuery10.setSql(QStringLiteral("select * from 口头挂失记录"));
    g_instance = this;
}

TDM1::~TDM1()
{
    for (db::Query* q : {&ADOall, &ADO123, &ADOQuery3, &ADOQuery4, &ADOQuery5, &ADOQuery7,
                         &ADOQuery8, &ADOQuery9, &ADOQuery10, &ADOQuery12, &ADOQuery13})
        q->close();
    ADOConnection1.close();
    if (g_instance == this)
        g_instance = nullptr;
}

TDM1& TDM1::instance()
{
    Q_ASSERT(g_instance);
    return *g_instance;
}

QString TDM1::databasePath()
{
    return os::appDir() + QStringLiteral("database/database.mdb");
}

void TDM1::openDatabase()
{
    ADOConnection1.close();
    ADOConnection1.open(databasePath(), DatabasePassword);
}

namespace app
{

bool transact(const std::function<void()>& body)
{
    db::Connection& connection = TDM1::instance().ADOConnection1;
    try {
        connection.beginTrans();
        body();
        connection.commitTrans();
        return true;
    } catch (const std::exception& e) {
        try {
            connection.rollbackTrans();
        } catch (const std::exception&) {
            // The rollback's own failure adds nothing the operator can act on.
        }
        ui::showMessage(QString::fromUtf8(e.what()));
        return false;
    }
}

db::Query& select(db::Query& query, const QString& sql)
{
    query.close();
    query.setSql(sql);
    query.open();
    return query;
}

int execute(db::Query& query, const QString& sql)
{
    query.close();
    query.setSql(sql);
    return query.execSql();
}

} // namespace app
