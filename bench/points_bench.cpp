// One credit of 20 purchase lines and one redemption, each committed, through
// the data module as the windows run them, against the same statements sent
// straight to SQLCipher, over the large generated database.
#include "support/benchdb.h"
#include "support/benchsides.h"

#include "app/dm1frm.h"
#include "platform/db/dberror.h"
#include "platform/db/jetsql.h"
#include "platform/os/appenv.h"
#include "platform/ui/dialogs.h"
#include "points/ledgerwrites.h"
#include "points/serialnumber.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <sqlite3.h>

namespace
{

using bench::rawCheck;
using bench::rawExec;
using bench::rawPrepare;

TDM1* g_dm = nullptr;
const QString Operator = QStringLiteral("bench-points");

QString rawMaxSerial()
{
    const QByteArray text =
        db::translateJet(QStringLiteral("select max(编号) as 最大编号 from 流水记录")).toUtf8();
    sqlite3_stmt* stmt = nullptr;
    rawCheck(sqlite3_prepare_v2(bench::raw(), text.constData(), text.size(), &stmt, nullptr));
    QString highest;
    if (sqlite3_step(stmt) == SQLITE_ROW && sqlite3_column_text(stmt, 0))
        highest = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    sqlite3_finalize(stmt);
    return points::serialAfter(highest);
}

points::CreditEntry credit()
{
    points::CreditEntry e;
    e.category = QStringLiteral("餐饮");
    e.card = bench::cardNumber(4242);
    e.name = QStringLiteral("会员4242");
    e.referrer = bench::cardNumber(4243);
    e.referrerName = QStringLiteral("会员4243");
    e.reason = QStringLiteral("消费");
    e.operatorCode = Operator;
    for (int i = 1; i <= 20; ++i) {
        e.lines.append({QStringLiteral("菜品%1").arg(i), QStringLiteral("%1.5").arg(i)});
        e.items += QStringLiteral(" 菜品%1").arg(i);
    }
    e.points = QStringLiteral("70");
    return e;
}

points::RedemptionEntry redemption()
{
    points::RedemptionEntry e;
    e.card = bench::cardNumber(4242);
    e.name = QStringLiteral("会员4242");
    e.gift = QStringLiteral("水杯");
    e.cash = QStringLiteral("0");
    e.points = QStringLiteral("0.01");
    e.reason = QStringLiteral("兑换");
    e.operatorCode = Operator;
    return e;
}

// Takes the benchmark's own rows out again, after the timed loop.
void undo()
{
    rawExec(QStringLiteral("delete from 消费记录 where 经手人='bench-points'"));
    rawExec(QStringLiteral("delete from 流水记录 where 经手人='bench-points'"));
}

void Credit20_DataModule(benchmark::State& state)
{
    const points::CreditEntry entry = credit();
    for (auto _ : state) {
        if (!app::transact([&] { points::writeCredit(entry); }))
            state.SkipWithError("credit rolled back");
    }
    undo();
}

void Credit20_Raw(benchmark::State& state)
{
    const points::CreditEntry entry = credit();
    const int balances = entry.referrer.isEmpty() ? 1 : 2; // the updates come before the serial
    for (auto _ : state) {
        rawExec(QStringLiteral("begin"));
        // The same statements, translated as the data module translates them.
        for (const QString& sql : points::creditStatements(entry, QString()).mid(0, balances))
            rawExec(db::translateJet(sql));
        for (const QString& sql : points::creditStatements(entry, rawMaxSerial()).mid(balances))
            rawExec(db::translateJet(sql));
        rawExec(QStringLiteral("commit"));
    }
    undo();
}

void Redemption_DataModule(benchmark::State& state)
{
    const points::RedemptionEntry entry = redemption();
    for (auto _ : state) {
        if (!app::transact([&] { points::writeRedemption(entry); }))
            state.SkipWithError("redemption rolled back");
    }
    undo();
}

void Redemption_Raw(benchmark::State& state)
{
    const points::RedemptionEntry entry = redemption();
    const QByteArray balance =
        QStringLiteral("select 积分 from 会员卡信息 where 会员卡号='%1'").arg(entry.card).toUtf8();
    for (auto _ : state) {
        rawExec(QStringLiteral("begin"));
        sqlite3_stmt* stmt = nullptr;
        rawCheck(
            sqlite3_prepare_v2(bench::raw(), balance.constData(), balance.size(), &stmt, nullptr));
        if (sqlite3_step(stmt) == SQLITE_ROW)
            benchmark::DoNotOptimize(sqlite3_column_double(stmt, 0));
        sqlite3_finalize(stmt);
        const QStringList sql = points::redemptionStatements(entry, rawMaxSerial());
        for (const QString& statement : sql)
            rawExec(db::translateJet(statement));
        rawExec(QStringLiteral("commit"));
    }
    undo();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    bench::Sides sides;
    g_dm = &sides.dataModule();
    // Enough balance that every redemption of the run passes its check.
    rawExec(QStringLiteral("update 会员卡信息 set 积分=积分+1000000 where 会员卡号='%1'")
                .arg(bench::cardNumber(4242)));

    const std::pair<const char*, void (*)(benchmark::State&)> pairs[] = {
        {"Credit20_DataModule", Credit20_DataModule},
        {"Credit20_Raw", Credit20_Raw},
        {"Redemption_DataModule", Redemption_DataModule},
        {"Redemption_Raw", Redemption_Raw}};
    for (const auto& [name, fn] : pairs)
        benchmark::RegisterBenchmark(name, fn)
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(3)
            ->ReportAggregatesOnly(true);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    rawExec(QStringLiteral("update 会员卡信息 set 积分=积分-1000000 where 会员卡号='%1'")
                .arg(bench::cardNumber(4242)));
    return 0;
}
