#include "points/ledgerwrites.h"

#include "app/dm1frm.h"
#include "platform/db/dberror.h"
#include "platform/db/sqltext.h"
#include "platform/os/appenv.h"
#include "platform/os/regional.h"
#include "points/numbers.h"
#include "points/serialnumber.h"

namespace points
{

const QString TooManyPointsText = QStringLiteral("兑换积分大于现有积分，不能保存！");

namespace
{

QString today()
{
    return os::shortDate(os::today());
}

QString timeNow()
{
    return os::longTime(os::now().time());
}

// "'a','b',...,'z')": the values part of an insert, every value escaped.
QString quotedValues(const QStringList& values)
{
    QStringList escaped;
    for (const QString& v : values)
        escaped << db::esc(v);
    return QStringLiteral("'") + escaped.join(QStringLiteral("','")) + QStringLiteral("')");
}

QString raise(const QString& points, const QString& card)
{
    return QStringLiteral("update 会员卡信息 set 积分=积分+'") + db::esc(points) +
           QStringLiteral("' where 会员卡号='") + db::esc(card) + QStringLiteral("'");
}

QStringList creditBalances(const CreditEntry& e)
{
    QStringList sql{raise(e.points, e.card)};
    // Without a referrer there is nobody to credit; an empty number must not
    // match a member row that happens to have none.
    if (!e.referrer.isEmpty())
        sql << raise(e.points, e.referrer);
    return sql;
}

QStringList creditRows(const CreditEntry& e, const QString& serial)
{
    QStringList sql{
        QStringLiteral(
            "insert into 流水记录([消费类型],[引荐人卡号],[引荐人姓名],[编号],[会员卡号],"
            "[会员姓名],[消费项目],[增减积分],[增减原因],[日期],[时间],[经手人]) "
            "values (") +
        quotedValues({e.category, e.referrer, e.referrerName, serial, e.card, e.name, e.items,
                      e.points, e.reason, today(), timeNow(), e.operatorCode})};
    for (const auto& line : e.lines) {
        sql << QStringLiteral(
                   "insert into 消费记录([消费类型],[引荐人卡号],[引荐人姓名],[编号],[会员卡号],"
                   "[会员姓名],[消费项目],[消费金额],[增减原因],[日期],[时间],[经手人]) "
                   "values (") +
                   quotedValues({e.category, e.referrer, e.referrerName, serial, e.card, e.name,
                                 line.first, line.second, e.reason, today(), timeNow(),
                                 e.operatorCode});
    }
    return sql;
}

QString lower(const RedemptionEntry& e)
{
    return QStringLiteral("update 会员卡信息 set 积分=积分-'") + db::esc(e.points) +
           QStringLiteral("' where 会员卡号='") + db::esc(e.card) + QStringLiteral("'");
}

QString redemptionRow(const RedemptionEntry& e, const QString& serial)
{
    return QStringLiteral(
               "insert into 流水记录([编号],[会员卡号],[会员姓名],[兑换礼品],[返现金],[增减积分],"
               "[增减原因],[日期],[时间],[经手人]) values (") +
           quotedValues({serial, e.card, e.name, e.gift, e.cash,
                         os::numberText(-toNumber(e.points)), e.reason, today(), timeNow(),
                         e.operatorCode});
}

void run(const QStringList& statements)
{
    db::Query& q = TDM1::instance().ADOall;
    for (const QString& sql : statements)
        app::execute(q, sql);
}

} // namespace

QStringList creditStatements(const CreditEntry& entry, const QString& serial)
{
    return creditBalances(entry) + creditRows(entry, serial);
}

QStringList redemptionStatements(const RedemptionEntry& entry, const QString& serial)
{
    return {lower(entry), redemptionRow(entry, serial)};
}

QString writeCredit(const CreditEntry& entry)
{
    run(creditBalances(entry));
    const QString serial = nextSerialNumber();
    run(creditRows(entry, serial));
    return serial;
}

QString writeRedemption(const RedemptionEntry& entry)
{
    // The balance shown was read by the card check; another window or
    // workstation may have spent from it since. Reading it again under the
    // transaction keeps a balance from ever going below zero.
    db::Query& q = app::select(TDM1::instance().ADOall,
                               QStringLiteral("select 积分 from 会员卡信息 where 会员卡号='") +
                                   db::esc(entry.card) + QStringLiteral("'"));
    const QString stored = q.eof() ? QString() : q.asString(QStringLiteral("积分"));
    if (stored.isEmpty() || toNumber(stored) < toNumber(entry.points))
        throw db::DbError(TooManyPointsText);
    run({lower(entry)});
    const QString serial = nextSerialNumber();
    run({redemptionRow(entry, serial)});
    return serial;
}

} // namespace points
