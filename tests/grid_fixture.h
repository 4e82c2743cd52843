#pragma once

// A small points ledger behind a grid laid out as the ledger window lays its
// grid out, shared by the grid, export and print tests.
#include "app/dm1frm.h"
#include "harness/harness.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/ui/dbgrid.h"

#include <memory>

namespace test
{

class LedgerGridTest : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        connection.open(dir() + QStringLiteral("database/database.mdb"), TDM1::DatabasePassword);
        query = std::make_unique<db::Query>(connection, QStringLiteral("ADOQuery8"));
        grid = std::make_unique<ui::DBGridEh>();
        grid->setObjectName(QStringLiteral("DBGridEh1"));
        grid->setColumns(ledgerColumns());
        grid->setDataSource(query.get());
    }

    void TearDown() override
    {
        grid.reset();
        query.reset();
        connection.close();
        db::Query::blockSize = 256;
        AppTest::TearDown();
    }

    static QVector<ui::GridColumn> ledgerColumns()
    {
        using F = ui::GridColumn::Footer;
        auto column = [](const char* field, F footer = F::None, const char* text = "") {
            ui::GridColumn c;
            c.field = QString::fromUtf8(field);
            c.alignment = Qt::AlignCenter;
            c.footer = footer;
            c.footerText = QString::fromUtf8(text);
            return c;
        };
        QVector<ui::GridColumn> columns{column("编号"),
                                        column("会员卡号", F::Text, "合计次数"),
                                        column("会员姓名", F::Count),
                                        column("返现金", F::Text, "合计积分"),
                                        column("增减积分", F::Sum),
                                        column("日期"),
                                        column("时间")};
        columns[0].visible = false;
        columns[6].displayFormat = QStringLiteral("hh:mm:ss");
        return columns;
    }

    // One ledger row; the serial number orders the rows as inserted.
    void addRow(int serial, const QString& card, const QString& name, double points,
                const QString& time, const QString& date = QStringLiteral("2026-12-01"))
    {
        connection.execRaw(
            QStringLiteral(
                "insert into 流水记录 (编号,会员卡号,会员姓名,返现金,增减积分,日期,时间) "
                "values ('%1','%2','%3',0,%4,'%5','%6')")
                .arg(serial, 10, 10, QLatin1Char('0'))
                .arg(card, QString(name).replace(QLatin1Char('\''), QStringLiteral("''")))
                .arg(points)
                .arg(date, time));
    }

    // Three members: a quote and Chinese in the names, times without leading zeros.
    void addThreeRows()
    {
        addRow(1, QStringLiteral("1003"), QStringLiteral("张三"), 10, QStringLiteral("9:05:03"));
        addRow(2, QStringLiteral("1001"), QStringLiteral("李\"四"), -30,
               QStringLiteral("14:30:00"));
        addRow(3, QStringLiteral("1002"), QStringLiteral("O'Brien 王"), 12.5,
               QStringLiteral("8:00:09"));
    }

    void addRows(int count)
    {
        connection.beginTrans();
        for (int i = 1; i <= count; ++i)
            addRow(i, QStringLiteral("%1").arg(20000 + i), QStringLiteral("会员%1").arg(i), i,
                   QStringLiteral("10:00:00"));
        connection.commitTrans();
    }

    void openAll() { query->reopen(QStringLiteral("select * from 流水记录 ")); }

    // The grid's rows as shown, column by column.
    QList<QStringList> shown() const
    {
        QList<QStringList> out;
        for (int r = 0; r < grid->rowCount(); ++r) {
            QStringList row;
            for (int c = 0; c < grid->visibleColumnCount(); ++c)
                row << grid->displayText(r, c);
            out << row;
        }
        return out;
    }

    db::Connection connection;
    std::unique_ptr<db::Query> query;
    std::unique_ptr<ui::DBGridEh> grid;
};

} // namespace test
