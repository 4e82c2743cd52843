// The data grid over a query, its footer, sorting, finding and deletion, the
// display formats, and the string grid's in-place editors.
#include "grid_fixture.h"

#include "platform/ui/gridformat.h"
#include "platform/ui/stringgrid.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace
{

using test::LedgerGridTest;

QStringList column(const QList<QStringList>& rows, int c)
{
    QStringList out;
    for (const QStringList& row : rows)
        out << row[c];
    return out;
}

constexpr int Card = 0, Name = 1, Points = 3, Time = 5;

TEST_F(LedgerGridTest, ShowsTheQueryAndFollowsEveryReopen)
{
    addThreeRows();
    openAll();
    EXPECT_EQ(grid->visibleColumnCount(), 6); // 编号 hidden
    EXPECT_EQ(grid->titleText(Card), QStringLiteral("会员卡号"));
    EXPECT_EQ(grid->model()->rowCount(), 3);
    EXPECT_EQ(column(shown(), Name), (QStringList{QStringLiteral("张三"), QStringLiteral("李\"四"),
                                                  QStringLiteral("O'Brien 王")}));
    EXPECT_EQ(column(shown(), Time),
              (QStringList{QStringLiteral("09:05:03"), QStringLiteral("14:30:00"),
                           QStringLiteral("08:00:09")}));
    EXPECT_EQ(grid->footerDisplay(Card), QStringLiteral("合计次数"));
    EXPECT_EQ(grid->footerDisplay(Name), QStringLiteral("3"));
    EXPECT_EQ(grid->footerDisplay(Points), QStringLiteral("-7.5"));

    query->reopen(QStringLiteral("select * from 流水记录 where 会员卡号='1003'"));
    EXPECT_EQ(grid->model()->rowCount(), 1);
    EXPECT_EQ(grid->footerDisplay(Name), QStringLiteral("1"));
    EXPECT_EQ(grid->footerDisplay(Points), QStringLiteral("10"));

    query->close();
    EXPECT_EQ(grid->model()->rowCount(), 0);
    EXPECT_EQ(grid->footerDisplay(Name), QString());
}

TEST_F(LedgerGridTest, WithoutColumnsEveryFieldShowsUnderItsName)
{
    addThreeRows();
    grid->setColumns({});
    openAll();
    EXPECT_EQ(grid->visibleColumnCount(), query->fieldNames().size());
    EXPECT_EQ(grid->titleText(0), QStringLiteral("编号"));
    EXPECT_FALSE(grid->footerVisible());
}

TEST_F(LedgerGridTest, ReadsInBlocksButCountsAndSumsTheWholeResult)
{
    addRows(50); // points 1..50
    db::Query::blockSize = 8;
    openAll();
    ASSERT_FALSE(query->allFetched());
    EXPECT_LT(grid->model()->rowCount(), 50);
    EXPECT_EQ(grid->rowCount(), 50);
    EXPECT_EQ(grid->footerDisplay(Name), QStringLiteral("50"));
    EXPECT_EQ(grid->footerDisplay(Points), QStringLiteral("1275"));

    // Scrolling to the end asks for more rows; idle time reads the rest.
    const int before = grid->model()->rowCount();
    ASSERT_TRUE(grid->model()->canFetchMore(QModelIndex()));
    grid->model()->fetchMore(QModelIndex());
    EXPECT_GT(grid->model()->rowCount(), before);
    for (int i = 0; i < 100 && !query->allFetched(); ++i)
        test::processEvents();
    EXPECT_EQ(grid->model()->rowCount(), 50);
    EXPECT_EQ(grid->displayText(49, Name), QStringLiteral("会员50"));
}

TEST_F(LedgerGridTest, TitleClicksSortAllRowsAgainDescendingAndCtrlAddsColumns)
{
    addRows(40);
    addRow(41, QStringLiteral("20001"), QStringLiteral("重复"), 0.5, QStringLiteral("9:00:00"));
    db::Query::blockSize = 8;
    openAll();

    grid->titleClicked(Points, false);
    EXPECT_EQ(grid->displayText(0, Points), QStringLiteral("0.5"));
    grid->titleClicked(Points, false);
    EXPECT_FALSE(query->allFetched());
    EXPECT_EQ(grid->displayText(0, Points), QStringLiteral("40")) << "rows not yet read sort too";
    EXPECT_EQ(grid->currentIndex().row(), 0);
    EXPECT_EQ(query->recNo(), 0);

    grid->titleClicked(Card, false);
    grid->titleClicked(Points, true);
    ASSERT_EQ(query->sortOrder().size(), 2);
    EXPECT_EQ(grid->displayText(0, Name), QStringLiteral("重复")); // 20001 with 0.5 first
    EXPECT_EQ(grid->displayText(1, Name), QStringLiteral("会员1"));
    grid->titleClicked(Points, true);
    EXPECT_EQ(grid->displayText(0, Name), QStringLiteral("会员1")); // 20001 with 1 first now
    EXPECT_TRUE(grid->model()->headerData(Points, Qt::Horizontal).toString().contains("▼"));
    EXPECT_EQ(grid->titleText(Points), QStringLiteral("增减积分"));

    // Footer after a sort: the same totals.
    EXPECT_EQ(grid->footerDisplay(Name), QStringLiteral("41"));
    EXPECT_EQ(grid->footerDisplay(Points), QStringLiteral("820.5"));
}

TEST_F(LedgerGridTest, SelectingARowMakesItTheQuerysCurrentRecord)
{
    addThreeRows();
    openAll();
    QSignalSpy doubleClicks(grid.get(), &ui::DBGridEh::rowDoubleClicked);
    grid->resize(600, 300);
    grid->show();
    const QRect cell = grid->visualRect(grid->model()->index(2, Name));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(query->recNo(), 2);
    EXPECT_EQ(query->asString(QStringLiteral("会员卡号")), QStringLiteral("1002"));
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    ASSERT_EQ(doubleClicks.count(), 1);
    EXPECT_EQ(doubleClicks[0][0].toInt(), 2);
}

TEST_F(LedgerGridTest, DeletingThroughTheQueryUpdatesRowsCountSumAndSelectsTheNextRow)
{
    addRows(20);
    db::Query::blockSize = 8;
    openAll();
    struct Case {
        int row;          // selected before the deletion
        QString nextName; // selected afterwards
    };
    // The last row read so far (the query then reads on), a middle row, the first.
    const Case cases[] = {
        {7, QStringLiteral("会员9")}, {3, QStringLiteral("会员5")}, {0, QStringLiteral("会员2")}};
    int rows = 20;
    double sum = 210;
    for (const Case& c : cases) {
        grid->setCurrentIndex(grid->model()->index(c.row, Name));
        ASSERT_EQ(query->recNo(), c.row);
        sum -= query->asFloat(QStringLiteral("增减积分"));
        query->deleteCurrent();
        --rows;
        EXPECT_EQ(grid->model()->rowCount(), query->fetchedCount());
        EXPECT_EQ(grid->footerDisplay(Name), QString::number(rows));
        EXPECT_EQ(grid->footerDisplay(Points), QString::number(sum));
        EXPECT_EQ(grid->currentIndex().row(), c.row);
        EXPECT_EQ(grid->displayText(grid->currentIndex().row(), Name), c.nextName);
        EXPECT_EQ(query->asString(QStringLiteral("会员姓名")), c.nextName);
    }
    EXPECT_EQ(count("select count(*) from 流水记录"), 17);

    // The last row of all: the one before it becomes current.
    for (int i = 0; i < 100 && !query->allFetched(); ++i)
        test::processEvents();
    grid->setCurrentIndex(grid->model()->index(16, Name));
    query->deleteCurrent();
    EXPECT_EQ(grid->model()->rowCount(), 16);
    EXPECT_EQ(grid->currentIndex().row(), 15);
    EXPECT_EQ(grid->footerDisplay(Name), QStringLiteral("16"));
}

TEST_F(LedgerGridTest, FooterIsAYellowRowUnderTheRows)
{
    addRows(30);
    openAll();
    grid->resize(500, 200);
    grid->show();
    test::processEvents();
    auto* footer = grid->findChild<QWidget*>(QStringLiteral("GridFooter"));
    ASSERT_NE(footer, nullptr);
    EXPECT_TRUE(footer->isVisible());
    EXPECT_GE(footer->geometry().top(), grid->viewport()->geometry().bottom());
    const QImage image = footer->grab().toImage();
    EXPECT_EQ(image.pixelColor(2, image.height() / 2), QColor(255, 255, 0));

    // The last row can be scrolled into view above the footer.
    grid->scrollToBottom();
    const QRect last = grid->visualRect(grid->model()->index(29, Name));
    EXPECT_LE(last.bottom(), grid->viewport()->height());

    grid->setFooterVisible(false);
    EXPECT_FALSE(footer->isVisible());
}

TEST_F(LedgerGridTest, FindsTextInOneColumnOrAllFromTheCurrentRowOn)
{
    addThreeRows();
    addRow(4, QStringLiteral("1004"), QStringLiteral("张三丰"), 1, QStringLiteral("9:00:00"));
    openAll();
    grid->setCurrentIndex(grid->model()->index(0, Card));
    EXPECT_TRUE(grid->findNext(QStringLiteral("张三")));
    EXPECT_EQ(grid->currentIndex().row(), 3);
    EXPECT_EQ(query->recNo(), 3);
    EXPECT_TRUE(grid->findNext(QStringLiteral("张三"))) << "wraps round";
    EXPECT_EQ(grid->currentIndex().row(), 0);
    EXPECT_TRUE(grid->findNext(QStringLiteral("张三"), Name, true));
    EXPECT_EQ(grid->currentIndex().row(), 0) << "whole cell: only 张三 itself";
    EXPECT_FALSE(grid->findNext(QStringLiteral("1002"), Name));
    EXPECT_TRUE(grid->findNext(QStringLiteral("o'brien"), -1));
    EXPECT_EQ(grid->currentIndex().row(), 2);
    EXPECT_FALSE(grid->findNext(QStringLiteral("o'brien"), -1, false, true));
    EXPECT_TRUE(grid->findNext(QStringLiteral("08:00:09"), Time)) << "as displayed";
}

TEST_F(LedgerGridTest, CtrlFOpensTheFindDialog)
{
    addThreeRows();
    openAll();
    grid->show();
    grid->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(grid.get()));
    grid->setFocus();
    QTest::keyClick(grid.get(), Qt::Key_F, Qt::ControlModifier);
    auto* dialog = grid->findChild<QDialog*>(QStringLiteral("GridFindDialog"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(dialog->isVisible());
    auto* columns = dialog->findChild<QComboBox*>(QStringLiteral("FindColumn"));
    EXPECT_EQ(columns->count(), 1 + grid->visibleColumnCount());
    dialog->findChild<QLineEdit*>(QStringLiteral("FindText"))->setText(QStringLiteral("李"));
    columns->setCurrentIndex(0);
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("FindNext")), Qt::LeftButton);
    EXPECT_EQ(query->recNo(), 1);
    dialog->findChild<QLineEdit*>(QStringLiteral("FindText"))->setText(QStringLiteral("无此人"));
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("FindNext")), Qt::LeftButton);
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_TRUE(dialogs.last().text.contains(QStringLiteral("无此人")));
}

TEST(GridFormat, DisplayFormats)
{
    struct Case {
        QVariant value;
        const char* format;
        const char* shown;
    };
    const Case cases[] = {
        {QStringLiteral("9:05:03"), "hh:mm:ss", "09:05:03"},
        {QStringLiteral("14:30:00"), "hh:nn", "14:30"},
        {QStringLiteral("2026-3-7"), "yyyy-mm-dd", "2026-03-07"},
        {QStringLiteral("2026-12-01 08:09:10"), "yyyy/m/d hh:mm:ss", "2026/12/1 08:09:10"},
        {QStringLiteral("不是时间"), "hh:mm:ss", "不是时间"},
        {QVariant(12.5), "0.00", "12.50"},
        {QVariant(-1234.5), "#,##0.##", "-1,234.5"},
        {QVariant(qint64(3)), "0.##", "3"},
        {QVariant(0.125), "0.00", "0.13"},
        {QStringLiteral("abc"), "0.00", "abc"},
        {QVariant(qint64(1)), "是;否", "是"},
        {QVariant(qint64(0)), "是;否", "否"},
        {QVariant(33.33), "", "33.33"},
        {QVariant(), "0.00", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ui::formatCell(c.value, QString::fromUtf8(c.format)), QString::fromUtf8(c.shown))
            << c.format << " " << c.value.toString().toStdString();
}

// --- the string grid ---------------------------------------------------------------

class StringGridTest : public test::AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        grid = std::make_unique<ui::AdvStringGrid>();
        grid->setColCount(3);
        grid->setRowCount(21);
        grid->setCells(0, 0, QStringLiteral("序号"));
        grid->setCells(1, 0, QStringLiteral("消费项目"));
        grid->setCells(2, 0, QStringLiteral("金额"));
        for (int r = 1; r <= 20; ++r)
            grid->setCells(0, r, QString::number(r));
        grid->setComboEditor(1, [this](int row) {
            ++fills;
            return QStringList{QStringLiteral("茶水%1").arg(fills), QStringLiteral("米饭")} +
                   QStringList{QString::number(row)};
        });
        grid->resize(400, 400);
        grid->show();
    }

    void TearDown() override
    {
        grid.reset();
        AppTest::TearDown();
    }

    QComboBox* openEditor(int column, int row)
    {
        test::processEvents(); // lets the last editor go
        grid->setCurrentCell(row, column);
        grid->editItem(grid->item(row, column));
        return grid->findChild<QComboBox*>();
    }

    std::unique_ptr<ui::AdvStringGrid> grid;
    int fills = 0;
};

TEST_F(StringGridTest, DropDownListIsFilledAfreshEachTimeTheEditorOpens)
{
    QSignalSpy edited(grid.get(), &ui::AdvStringGrid::cellEdited);
    QComboBox* editor = openEditor(1, 4);
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isEditable());
    EXPECT_EQ(editor->count(), 3);
    EXPECT_EQ(editor->itemText(0), QStringLiteral("茶水1"));
    EXPECT_EQ(editor->itemText(2), QStringLiteral("4")) << "the filler is told the row";
    editor->setCurrentIndex(1);
    QTest::keyClick(editor, Qt::Key_Return);
    test::processEvents();
    EXPECT_EQ(grid->cells(1, 4), QStringLiteral("米饭"));
    ASSERT_EQ(edited.count(), 1);
    EXPECT_EQ(edited[0][0].toInt(), 1);
    EXPECT_EQ(edited[0][1].toInt(), 4);

    editor = openEditor(1, 5);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->itemText(0), QStringLiteral("茶水2"));
    editor->setEditText(QStringLiteral("自己输入的"));
    QTest::keyClick(editor, Qt::Key_Return);
    test::processEvents();
    EXPECT_EQ(grid->cells(1, 5), QStringLiteral("自己输入的"));
}

TEST_F(StringGridTest, FixedCellsAreNotEditedAndAllCellsAreCentred)
{
    EXPECT_FALSE(grid->item(0, 1)->flags() & Qt::ItemIsEditable);
    EXPECT_FALSE(grid->item(3, 0)->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(grid->item(3, 2)->flags() & Qt::ItemIsEditable);
    EXPECT_EQ(grid->item(3, 2)->textAlignment(), int(Qt::AlignCenter));
    EXPECT_EQ(grid->item(0, 1)->textAlignment(), int(Qt::AlignCenter));
    grid->setReadOnly(true);
    EXPECT_FALSE(grid->item(3, 2)->flags() & Qt::ItemIsEditable);
    EXPECT_EQ(grid->cells(0, 20), QStringLiteral("20"));
    EXPECT_EQ(grid->rowCountTotal(), 21);
    grid->setCurrentGridRow(7);
    EXPECT_EQ(grid->currentGridRow(), 7);
}

TEST_F(StringGridTest, LeavingTheGridIsSignalledButNotMovingIntoItsEditor)
{
    QLineEdit other;
    other.show();
    QSignalSpy exited(grid.get(), &ui::AdvStringGrid::exited);
    grid->activateWindow();
    grid->setFocus();
    QComboBox* editor = openEditor(1, 2);
    ASSERT_NE(editor, nullptr);
    editor->setFocus();
    EXPECT_EQ(exited.count(), 0);
    other.activateWindow();
    other.setFocus();
    test::processEvents();
    EXPECT_EQ(exited.count(), 1);
}

} // namespace
