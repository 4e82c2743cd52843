// The data grid over the million-row points ledger: open to first rows,
// footer count and sum, sorting by a title click, scrolling, and memory.
#include "support/benchdb.h"

#include "app/dm1frm.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/ui/dbgrid.h"

#include <QApplication>
#include <QFile>
#include <benchmark/benchmark.h>
#include <memory>

namespace
{

const QString AllRows = QStringLiteral("select * from 流水记录");

// Peak resident memory of this process so far, in MB.
double peakMemoryMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

// The ledger window's grid over its query, on the shared benchmark database.
struct LedgerGrid {
    LedgerGrid()
    {
        connection.open(bench::benchDatabasePath(), TDM1::DatabasePassword);
        query = std::make_unique<db::Query>(connection, QStringLiteral("ADOQuery8"));
        grid = std::make_unique<ui::DBGridEh>();
        using F = ui::GridColumn::Footer;
        QVector<ui::GridColumn> columns;
        for (const char* field :
             {"会员卡号", "会员姓名", "引荐人卡号", "引荐人姓名", "消费类型", "消费项目",
              "兑换礼品", "返现金", "增减积分", "日期", "时间", "经手人"}) {
            ui::GridColumn c;
            c.field = QString::fromUtf8(field);
            columns << c;
        }
        columns[0].footer = F::Text;
        columns[0].footerText = QStringLiteral("合计次数");
        columns[1].footer = F::Count;
        columns[7].footer = F::Text;
        columns[7].footerText = QStringLiteral("合计积分");
        columns[8].footer = F::Sum;
        columns[10].displayFormat = QStringLiteral("hh:mm:ss");
        grid->setColumns(columns);
        grid->setDataSource(query.get());
        grid->resize(1000, 600);
    }

    // What one paint of the visible rows reads.
    void readScreen(int top, benchmark::State& state)
    {
        for (int r = top; r < top + 30; ++r)
            for (int c = 0; c < grid->visibleColumnCount(); ++c)
                benchmark::DoNotOptimize(grid->model()->index(r, c).data());
        (void)state;
    }

    void readAllInIdleTime()
    {
        while (!query->allFetched())
            QCoreApplication::processEvents();
    }

    db::Connection connection;
    std::unique_ptr<db::Query> query;
    std::unique_ptr<ui::DBGridEh> grid;
};

LedgerGrid& ledger()
{
    static LedgerGrid instance;
    return instance;
}

void BM_OpenToFirstRows(benchmark::State& state)
{
    LedgerGrid& g = ledger();
    for (auto _ : state) {
        g.query->reopen(AllRows);
        g.readScreen(0, state);
    }
    state.counters["rows_read"] = g.query->fetchedCount();
}
BENCHMARK(BM_OpenToFirstRows)->Unit(benchmark::kMillisecond);

// Open, first paint with the footer, and the idle time until the footer shows
// the count and the sum of all rows.
void BM_OpenUntilFooterComplete(benchmark::State& state)
{
    LedgerGrid& g = ledger();
    g.grid->show();
    auto* footer = g.grid->findChild<QWidget*>(QStringLiteral("GridFooter"));
    for (auto _ : state) {
        g.query->reopen(AllRows);
        footer->repaint();
        g.readAllInIdleTime();
        footer->repaint();
    }
    state.SetLabel(QStringLiteral("count %1 sum %2")
                       .arg(g.grid->footerDisplay(1), g.grid->footerDisplay(8))
                       .toStdString());
    g.grid->hide();
}
BENCHMARK(BM_OpenUntilFooterComplete)->Unit(benchmark::kMillisecond)->Iterations(2);

// The first paint of rows and footer right after the open.
void BM_OpenToFirstPaint(benchmark::State& state)
{
    LedgerGrid& g = ledger();
    g.grid->show();
    for (auto _ : state) {
        g.query->reopen(AllRows);
        g.grid->repaint();
        g.grid->viewport()->repaint();
        g.grid->findChild<QWidget*>(QStringLiteral("GridFooter"))->repaint();
    }
    g.grid->hide();
}
BENCHMARK(BM_OpenToFirstPaint)->Unit(benchmark::kMillisecond);

void BM_FooterCount(benchmark::State& state)
{
    LedgerGrid& g = ledger();
    for (auto _ : state) {
        state.PauseTiming();
        g.query->reopen(AllRows);
        state.ResumeTiming();
        benchmark::DoNotOptimize(g.query->recordCount());
    }
}
BENCHMARK(BM_FooterCount)->Unit(benchmark::kMillisecond);

void BM_FooterSum(benchmark::State& state)
{
    LedgerGrid& g = ledger();
    g.query->reopen(AllRows);
    for (auto _ : state)
        benchmark::DoNotOptimize(g.query->sum(QStringLiteral("增减积分")));
}
BENCHMARK(BM_FooterSum)->Unit(benchmark::kMillisecond);

// The same once the grid has read every row: added up in memory.
void BM_FooterSumOfReadRows(benchmark::State& state)
{
    LedgerGrid& g = ledger();
    g.query->reopen(AllRows);
    g.readAllInIdleTime();
    for (auto _ : state)
        benchmark::DoNotOptimize(g.query->sum(QStringLiteral("增减积分")));
}
BENCHMARK(BM_FooterSumOfReadRows)->Unit(benchmark::kMillisecond);

// A click on a column title: the engine sorts all rows, the grid shows the first.
void BM_SortByTitleClick(benchmark::State& state)
{
    LedgerGrid& g = ledger();
    g.query->reopen(AllRows);
    for (auto _ : state) {
        g.grid->titleClicked(8, false); // 增减积分, ascending and descending in turn
        g.readScreen(0, state);
    }
}
BENCHMARK(BM_SortByTitleClick)->Unit(benchmark::kMillisecond);

// The same on an indexed column (会员卡号).
void BM_SortByIndexedColumn(benchmark::State& state)
{
    LedgerGrid& g = ledger();
    g.query->reopen(AllRows);
    for (auto _ : state) {
        g.grid->titleClicked(0, false);
        g.readScreen(0, state);
    }
}
BENCHMARK(BM_SortByIndexedColumn)->Unit(benchmark::kMillisecond);

// Dragging the scroll bar to the end: every row up to it is read.
void BM_ScrollToEnd(benchmark::State& state)
{
    LedgerGrid& g = ledger();
    for (auto _ : state) {
        state.PauseTiming();
        g.query->reopen(AllRows);
        state.ResumeTiming();
        for (int r = bench::LedgerRows - 30; r < bench::LedgerRows; ++r)
            for (int c = 0; c < g.grid->visibleColumnCount(); ++c)
                benchmark::DoNotOptimize(g.grid->displayText(r, c));
    }
    state.counters["peak_MB"] = peakMemoryMb();
}
BENCHMARK(BM_ScrollToEnd)->Unit(benchmark::kMillisecond)->Iterations(2);

// Scrolling through rows already read: one screen at 1000 places over the range.
void BM_ScrollScreens(benchmark::State& state)
{
    LedgerGrid& g = ledger();
    g.query->reopen(AllRows);
    g.readAllInIdleTime();
    const int step = (bench::LedgerRows - 30) / 1000;
    for (auto _ : state) {
        for (int top = 0; top + 30 <= bench::LedgerRows; top += step)
            g.readScreen(top, state);
    }
    state.SetItemsProcessed(state.iterations() * 1000);
    state.counters["peak_MB"] = peakMemoryMb();
}
BENCHMARK(BM_ScrollScreens)->Unit(benchmark::kMillisecond);

// The whole result read in idle time, as an open grid does.
void BM_ReadAllInIdleTime(benchmark::State& state)
{
    LedgerGrid& g = ledger();
    for (auto _ : state) {
        state.PauseTiming();
        g.query->reopen(AllRows);
        state.ResumeTiming();
        g.readAllInIdleTime();
    }
    state.counters["rows"] = g.grid->model()->rowCount();
    state.counters["peak_MB"] = peakMemoryMb();
}
BENCHMARK(BM_ReadAllInIdleTime)->Unit(benchmark::kMillisecond)->Iterations(2);

// The same with the grid on screen, taking in the rows as they come.
void BM_ReadAllInIdleTimeShown(benchmark::State& state)
{
    LedgerGrid& g = ledger();
    g.grid->show();
    for (auto _ : state) {
        state.PauseTiming();
        g.query->reopen(AllRows);
        state.ResumeTiming();
        g.readAllInIdleTime();
    }
    g.grid->hide();
}
BENCHMARK(BM_ReadAllInIdleTimeShown)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
