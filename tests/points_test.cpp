// The points windows driven as the desk uses them: categories, credits,
// redemptions, serial numbers and the shop settings.
#include "harness/harness.h"

#include "app/mainfrm.h"

#include "platform/os/inifile.h"
#include "platform/ui/stringgrid.h"
#include "points/leixingxiugaifrm.h"
#include "points/numbers.h"
#include "points/serialnumber.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace
{

// Chinese text cannot be typed as key clicks; it arrives as an input method would put it.
void setEditText(QComboBox* box, const QString& text)
{
    box->setEditText(text);
}

using test::find;

QLineEdit* edit(QWidget* w, const char* name)
{
    return find<QLineEdit>(w, QString::fromLatin1(name));
}

QComboBox* combo(QWidget* w, const char* name)
{
    return find<QComboBox>(w, QString::fromLatin1(name));
}

QAbstractButton* button(QWidget* w, const char* name)
{
    return find<QAbstractButton>(w, QString::fromLatin1(name));
}

QString serialOf(QWidget* w)
{
    return find<QLabel>(w, QStringLiteral("Label22"))->text();
}

class PointsTest : public test::AppTest
{
protected:
    void category(const QString& name, double ratio)
    {
        sql(QStringLiteral("insert into 消费类别(消费类别,积分比例) values ('%1',%2)")
                .arg(name)
                .arg(ratio));
    }

    void member(const QString& card, const QString& name, double balance,
                const QString& referrer = QString(), const QString& referrerName = QString())
    {
        sql(QStringLiteral(
                "insert into 会员卡信息(会员卡号,会员姓名,积分,引荐人卡号,引荐人姓名,口头挂失标志) "
                "values ('%1','%2',%3,'%4','%5',false)")
                .arg(card, name)
                .arg(balance)
                .arg(referrer, referrerName));
    }

    double balance(const QString& card)
    {
        return scalar(QStringLiteral("select 积分 from 会员卡信息 where 会员卡号='%1'").arg(card))
            .toDouble();
    }

    void ledgerRow(const QString& serial)
    {
        sql(QStringLiteral(
                "insert into 流水记录(编号,会员卡号,增减积分,增减原因) values ('%1','x',1,'旧')")
                .arg(serial));
    }

    QWidget* open(const char* item)
    {
        if (!mainWindow()) {
            EXPECT_NE(start(), nullptr);
        }
        QWidget* w = chooseMenu(QString::fromUtf8(item));
        EXPECT_NE(w, nullptr);
        return w;
    }

    void load(QWidget* w, const QString& card)
    {
        test::type(edit(w, "Edit1"), card);
        test::pressEnter(edit(w, "Edit1"));
    }

    ui::AdvStringGrid* grid(QWidget* w)
    {
        return find<ui::AdvStringGrid>(w, QStringLiteral("AdvStringGrid1"));
    }

    void line(QWidget* w, int row, const QString& item, const QString& amount)
    {
        grid(w)->setCells(1, row, item);
        grid(w)->setCells(2, row, amount);
    }

    void leaveGrid(QWidget* w) { test::leaveFocus(grid(w), combo(w, "ComboBox2")); }

    void saveCredit(QWidget* w, const QString& reason = QStringLiteral("消费"))
    {
        setEditText(combo(w, "ComboBox2"), reason);
        test::click(button(w, "BitBtn1"));
    }

    void redeem(QWidget* w, const QString& points, const QString& reason = QStringLiteral("兑换"))
    {
        test::type(edit(w, "Edit13"), points);
        setEditText(combo(w, "ComboBox2"), reason);
        test::click(button(w, "BitBtn1"));
    }
};

// --- consumption categories ----------------------------------------------------

TEST_F(PointsTest, CategoryAddedWithDefaultRatioAndRefusals)
{
    QWidget* w = open("会员消费类别设置");
    edit(w, "Edit1")->setText(QStringLiteral("餐饮"));
    test::click(button(w, "BitBtn4"));
    EXPECT_TRUE(dialogs.shown(QStringLiteral("新增消费类别成功！")));
    EXPECT_EQ(
        scalar(QStringLiteral("select 积分比例 from 消费类别 where 消费类别='餐饮'")).toDouble(),
        1);
    EXPECT_EQ(edit(w, "Edit3")->text(), QStringLiteral("1"));

    const struct {
        QString name, ratio, message;
    } refusals[] = {
        {QStringLiteral("洗浴"), QStringLiteral("0"), QStringLiteral("积分比例必须大于零！")},
        {QStringLiteral("洗浴"), QStringLiteral("0.0"), QStringLiteral("积分比例必须大于零！")},
        {QString(), QStringLiteral("2"), QStringLiteral("消费类别名称不能为空！")},
        {QStringLiteral("餐饮"), QStringLiteral("2"),
         QStringLiteral("该消费类别名称已经存在！请重新设定一个新的消费类别名称！")},
    };
    for (const auto& r : refusals) {
        dialogs.clear();
        edit(w, "Edit1")->setText(r.name);
        edit(w, "Edit3")->setText(r.ratio);
        test::click(button(w, "BitBtn4"));
        EXPECT_EQ(dialogs.texts(), QStringList{r.message}) << r.ratio.toStdString();
    }
    EXPECT_TRUE(edit(w, "Edit1")->text().isEmpty()); // a taken name is emptied
    EXPECT_EQ(count(QStringLiteral("select count(*) from 消费类别")), 1);
}

TEST_F(PointsTest, RatioWithTwoFullStopsIsRefusedBeforeWriting)
{
    QWidget* w = open("会员消费类别设置");
    edit(w, "Edit1")->setText(QStringLiteral("娱乐"));
    test::typeKeys(edit(w, "Edit3"), QStringLiteral("1.x.5"));
    EXPECT_EQ(edit(w, "Edit3")->text(), QStringLiteral("1..5")); // the key filter drops the x
    test::click(button(w, "BitBtn4"));
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_EQ(dialogs.last().icon, ui::Icon::Error);
    EXPECT_TRUE(dialogs.last().text.contains(QStringLiteral("1..5")));
    EXPECT_EQ(count(QStringLiteral("select count(*) from 消费类别")), 0);
}

TEST_F(PointsTest, TakenNameRefusedOnLeavingTheNameBox)
{
    category(QStringLiteral("餐饮"), 2);
    QWidget* w = open("会员消费类别设置");
    edit(w, "Edit1")->setText(QStringLiteral("餐饮"));
    test::leaveFocus(edit(w, "Edit1"), edit(w, "Edit3"));
    EXPECT_TRUE(
        dialogs.shown(QStringLiteral("该消费类别名称已经存在！请重新设定一个新的消费类别名称！")));
    EXPECT_TRUE(edit(w, "Edit1")->text().isEmpty());
}

TEST_F(PointsTest, RatioChangedThroughTheDialogAndCategoryDeleted)
{
    category(QStringLiteral("餐饮"), 2);
    sql(QStringLiteral(
        "insert into 流水记录(编号,消费类型,增减积分) values ('0000000001','餐饮',5)"));
    QWidget* w = open("会员消费类别设置");
    whenModal([](QWidget* dialog) {
        EXPECT_TRUE(edit(dialog, "Edit1")->isReadOnly());
        EXPECT_EQ(edit(dialog, "Edit1")->text(), QStringLiteral("餐饮"));
        EXPECT_EQ(edit(dialog, "Edit3")->text(), QStringLiteral("2"));
        edit(dialog, "Edit3")->setText(QStringLiteral("2.5"));
        button(dialog, "BitBtn4")->click();
    });
    test::click(button(w, "BitBtn2"));
    EXPECT_TRUE(dialogs.shown(QStringLiteral("修改消费类别成功！")));
    EXPECT_EQ(rows(QStringLiteral("select 消费类别,积分比例 from 消费类别")),
              (QList<QStringList>{{QStringLiteral("餐饮"), QStringLiteral("2.5")}}));
    EXPECT_FALSE(Tleixingxiugai::instance()->isVisible());

    dialogs.answer(ui::Answer::Ok);
    test::click(button(w, "BitBtn3"));
    EXPECT_TRUE(dialogs.shown(QStringLiteral("确实删除当前消费类别？该操作不可恢复！")));
    EXPECT_TRUE(dialogs.shown(QStringLiteral("删除当前消费类别成功！")));
    EXPECT_EQ(count(QStringLiteral("select count(*) from 消费类别")), 0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from 流水记录 where 消费类型='餐饮'")), 1);

    dialogs.clear(); // an empty list: both buttons do nothing
    test::click(button(w, "BitBtn2"));
    test::click(button(w, "BitBtn3"));
    EXPECT_TRUE(dialogs.boxes.isEmpty());
}

// --- crediting points ------------------------------------------------------------

TEST_F(PointsTest, PointsRoundHalfUpByTheShownQuotient)
{
    const struct {
        double ratio;
        QString amount, points;
    } cases[] = {
        {3, QStringLiteral("100"), QStringLiteral("33.33")},
        {4, QStringLiteral("10"), QStringLiteral("2.5")},
        {2, QStringLiteral("19.99"), QStringLiteral("9.99")}, // 9.995 is stored just below
        {8, QStringLiteral("1"), QStringLiteral("0.13")},
        {1, QStringLiteral("0.995"), QStringLiteral("1")},
        {1, QStringLiteral("9.995"), QStringLiteral("9.99")},
        {1, QStringLiteral("2.675"), QStringLiteral("2.68")},
        {1, QStringLiteral("0.125"), QStringLiteral("0.13")},
    };
    int i = 0;
    for (const auto& c : cases)
        category(QStringLiteral("类%1").arg(i++), c.ratio);
    member(QStringLiteral("1001"), QStringLiteral("张三"), 0);
    QWidget* w = open("增加积分");
    load(w, QStringLiteral("1001"));
    ASSERT_TRUE(edit(w, "Edit12")->isEnabled());
    i = 0;
    for (const auto& c : cases) {
        combo(w, "ComboBox1")->setCurrentText(QStringLiteral("类%1").arg(i++));
        edit(w, "Edit12")->clear();
        test::typeKeys(edit(w, "Edit12"), c.amount);
        EXPECT_EQ(edit(w, "Edit13")->text(), c.points) << c.amount.toStdString();
    }
    // Clearing the amount keeps the last points.
    edit(w, "Edit12")->clear();
    EXPECT_EQ(edit(w, "Edit13")->text(), QStringLiteral("0.13"));
    EXPECT_TRUE(dialogs.boxes.isEmpty());
}

TEST_F(PointsTest, ThreeLinesMakeOneLedgerRowAndTheReferrerEarnsTheSame)
{
    category(QStringLiteral("餐饮"), 3);
    member(QStringLiteral("2001"), QStringLiteral("李四"), 5);
    member(QStringLiteral("1001"), QStringLiteral("张三"), 10, QStringLiteral("2001"),
           QStringLiteral("李四"));
    QWidget* w = open("增加积分");
    load(w, QStringLiteral("1001"));
    line(w, 1, QStringLiteral("红烧肉"), QStringLiteral("60"));
    line(w, 2, QStringLiteral("米饭"), QStringLiteral("10"));
    line(w, 4, QStringLiteral("啤酒"), QStringLiteral("30"));
    leaveGrid(w);
    EXPECT_EQ(edit(w, "Edit12")->text(), QStringLiteral("100"));
    EXPECT_EQ(edit(w, "Edit13")->text(), QStringLiteral("33.33"));
    saveCredit(w);
    ASSERT_EQ(dialogs.texts(), QStringList{QStringLiteral("增加积分成功！")});

    EXPECT_DOUBLE_EQ(balance(QStringLiteral("1001")), 43.33);
    EXPECT_DOUBLE_EQ(balance(QStringLiteral("2001")), 38.33);
    EXPECT_EQ(
        rows(QStringLiteral("select 消费类型,引荐人卡号,引荐人姓名,编号,会员卡号,会员姓名,消费项目,"
                            "增减积分,增减原因,日期,时间,经手人 from 流水记录")),
        (QList<QStringList>{
            {QStringLiteral("餐饮"), QStringLiteral("2001"), QStringLiteral("李四"),
             QStringLiteral("0000000001"), QStringLiteral("1001"), QStringLiteral("张三"),
             QStringLiteral(" 红烧肉 米饭 啤酒"), QStringLiteral("33.33"), QStringLiteral("消费"),
             QStringLiteral("2026-12-11"), QStringLiteral("10:30:00"), QStringLiteral("0001")}}));
    EXPECT_EQ(rows(QStringLiteral(
                  "select 编号,消费项目,消费金额,引荐人卡号 from 消费记录 order by rowid")),
              (QList<QStringList>{{QStringLiteral("0000000001"), QStringLiteral("红烧肉"),
                                   QStringLiteral("60"), QStringLiteral("2001")},
                                  {QStringLiteral("0000000001"), QStringLiteral("米饭"),
                                   QStringLiteral("10"), QStringLiteral("2001")},
                                  {QStringLiteral("0000000001"), QStringLiteral("啤酒"),
                                   QStringLiteral("30"), QStringLiteral("2001")}}));

    // Reset for the next member with the next number.
    EXPECT_TRUE(edit(w, "Edit1")->text().isEmpty());
    EXPECT_TRUE(grid(w)->cells(1, 1).isEmpty());
    EXPECT_FALSE(button(w, "BitBtn1")->isEnabled());
    EXPECT_EQ(serialOf(w), QStringLiteral("0000000002"));
}

TEST_F(PointsTest, MemberWithoutReferrerAndBareAmount)
{
    category(QStringLiteral("餐饮"), 4);
    member(QStringLiteral("1001"), QStringLiteral("张三"), 0);
    member(QString(), QStringLiteral("无卡号"), 0); // must not be taken for the missing referrer
    QWidget* w = open("增加积分");
    load(w, QStringLiteral("1001"));
    test::typeKeys(edit(w, "Edit12"), QStringLiteral("10"));
    saveCredit(w);
    ASSERT_TRUE(dialogs.shown(QStringLiteral("增加积分成功！")));
    EXPECT_DOUBLE_EQ(balance(QStringLiteral("1001")), 2.5);
    EXPECT_DOUBLE_EQ(balance(QString()), 0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from 消费记录")), 0);
    EXPECT_EQ(scalar(QStringLiteral("select 消费项目 from 流水记录")).toString(), QString());
}

TEST_F(PointsTest, LineWithOnlyAnItemIsRefusedOnLeavingAndOnSaving)
{
    category(QStringLiteral("餐饮"), 1);
    member(QStringLiteral("1001"), QStringLiteral("张三"), 0);
    QWidget* w = open("增加积分");
    load(w, QStringLiteral("1001"));
    line(w, 1, QStringLiteral("米饭"), QStringLiteral("10"));
    line(w, 3, QStringLiteral("啤酒"), QString());
    leaveGrid(w);
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("请将所购商品表格填写完整！")});
    EXPECT_EQ(grid(w)->currentGridRow(), 3);
    dialogs.clear();
    saveCredit(w);
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("请将消费详细情况填写完整！")});
    EXPECT_EQ(count(QStringLiteral("select count(*) from 流水记录")), 0);
    EXPECT_DOUBLE_EQ(balance(QStringLiteral("1001")), 0);
}

TEST_F(PointsTest, QuotesInReasonAndItemAreStoredAsTyped)
{
    category(QStringLiteral("餐饮"), 1);
    member(QStringLiteral("1001"), QStringLiteral("张三"), 0);
    QWidget* w = open("增加积分");
    load(w, QStringLiteral("1001"));
    line(w, 1, QStringLiteral("O'Brien's 鸡翅"), QStringLiteral("8"));
    leaveGrid(w);
    saveCredit(w, QStringLiteral("老板's 朋友"));
    ASSERT_TRUE(dialogs.shown(QStringLiteral("增加积分成功！")));
    EXPECT_EQ(
        rows(QStringLiteral("select 消费项目,增减原因 from 流水记录")),
        (QList<QStringList>{{QStringLiteral(" O'Brien's 鸡翅"), QStringLiteral("老板's 朋友")}}));
    EXPECT_EQ(scalar(QStringLiteral("select 消费项目 from 消费记录")).toString(),
              QStringLiteral("O'Brien's 鸡翅"));
}

TEST_F(PointsTest, SaveActsOnlyOnTheCheckedCard)
{
    category(QStringLiteral("餐饮"), 1);
    member(QStringLiteral("1001"), QStringLiteral("张三"), 0);
    member(QStringLiteral("1002"), QStringLiteral("王五"), 0);
    QWidget* w = open("增加积分");
    load(w, QStringLiteral("1001"));
    test::typeKeys(edit(w, "Edit12"), QStringLiteral("10"));
    test::type(edit(w, "Edit1"), QStringLiteral("1002")); // retyped, no Enter
    saveCredit(w);
    EXPECT_FALSE(dialogs.shown(QStringLiteral("增加积分成功！")));
    EXPECT_EQ(count(QStringLiteral("select count(*) from 流水记录")), 0);
    EXPECT_DOUBLE_EQ(balance(QStringLiteral("1002")), 0);
}

// --- redemption ------------------------------------------------------------------

TEST_F(PointsTest, RedemptionOfTheWholeBalanceWritesANegativeRow)
{
    member(QStringLiteral("1001"), QStringLiteral("张三"), 50);
    QWidget* w = open("积分兑换");
    load(w, QStringLiteral("1001"));
    EXPECT_TRUE(combo(w, "ComboBox1")->isEnabled()); // gift is the first way
    EXPECT_FALSE(edit(w, "Edit12")->isEnabled());
    setEditText(combo(w, "ComboBox1"), QStringLiteral("水杯"));
    redeem(w, QStringLiteral("50"));
    ASSERT_TRUE(dialogs.shown(QStringLiteral("兑换积分成功！")));
    EXPECT_EQ(dialogs.last().title, QStringLiteral("系统提示"));
    EXPECT_DOUBLE_EQ(balance(QStringLiteral("1001")), 0);
    EXPECT_EQ(rows(QStringLiteral(
                  "select 编号,会员卡号,会员姓名,兑换礼品,返现金,增减积分,增减原因,日期,时间,"
                  "经手人,消费类型 from 流水记录")),
              (QList<QStringList>{
                  {QStringLiteral("0000000001"), QStringLiteral("1001"), QStringLiteral("张三"),
                   QStringLiteral("水杯"), QStringLiteral("0"), QStringLiteral("-50"),
                   QStringLiteral("兑换"), QStringLiteral("2026-12-11"), QStringLiteral("10:30:00"),
                   QStringLiteral("0001"), QString()}}));
    EXPECT_FALSE(button(w, "BitBtn1")->isEnabled());
    EXPECT_EQ(serialOf(w), QStringLiteral("0000000002"));
}

TEST_F(PointsTest, RedemptionRefusals)
{
    member(QStringLiteral("1001"), QStringLiteral("张三"), 30);
    QWidget* w = open("积分兑换");
    load(w, QStringLiteral("1001"));
    const struct {
        QString points, reason, message;
    } cases[] = {
        {QStringLiteral("0"), QStringLiteral("兑换"),
         QStringLiteral("兑换积分小于或等于零，不能保存！")},
        {QString(), QStringLiteral("兑换"), QStringLiteral("兑换积分小于或等于零，不能保存！")},
        {QStringLiteral("30.5"), QStringLiteral("兑换"),
         QStringLiteral("兑换积分大于现有积分，不能保存！")},
        {QStringLiteral("10"), QString(), QStringLiteral("请填写积分增减原因！")},
    };
    for (const auto& c : cases) {
        dialogs.clear();
        redeem(w, c.points, c.reason);
        EXPECT_EQ(dialogs.texts(), QStringList{c.message}) << c.points.toStdString();
    }
    EXPECT_EQ(count(QStringLiteral("select count(*) from 流水记录")), 0);
    EXPECT_DOUBLE_EQ(balance(QStringLiteral("1001")), 30);
}

TEST_F(PointsTest, RedemptionReadsTheBalanceAgainUnderItsTransaction)
{
    member(QStringLiteral("1001"), QStringLiteral("张三"), 100);
    QWidget* w = open("积分兑换");
    load(w, QStringLiteral("1001"));
    sql(QStringLiteral("update 会员卡信息 set 积分=30 where 会员卡号='1001'")); // spent elsewhere
    redeem(w, QStringLiteral("50"));
    EXPECT_TRUE(dialogs.shown(QStringLiteral("兑换积分大于现有积分，不能保存！")));
    EXPECT_FALSE(dialogs.shown(QStringLiteral("兑换积分成功！")));
    EXPECT_DOUBLE_EQ(balance(QStringLiteral("1001")), 30);
    EXPECT_EQ(count(QStringLiteral("select count(*) from 流水记录")), 0);
}

TEST_F(PointsTest, CashRedemptionWritesTheCash)
{
    member(QStringLiteral("1001"), QStringLiteral("张三"), 100);
    QWidget* w = open("积分兑换");
    for (QAbstractButton* b :
         find<QWidget>(w, QStringLiteral("RzRadioGroup1"))->findChildren<QAbstractButton*>()) {
        if (b->text() == QStringLiteral("现金"))
            b->click();
    }
    load(w, QStringLiteral("1001"));
    EXPECT_TRUE(edit(w, "Edit12")->isEnabled());
    EXPECT_FALSE(combo(w, "ComboBox1")->isEnabled());
    test::type(edit(w, "Edit12"), QStringLiteral("12.5"));
    redeem(w, QStringLiteral("12.5"));
    ASSERT_TRUE(dialogs.shown(QStringLiteral("兑换积分成功！")));
    EXPECT_EQ(rows(QStringLiteral("select 返现金,增减积分 from 流水记录")),
              (QList<QStringList>{{QStringLiteral("12.5"), QStringLiteral("-12.5")}}));
    EXPECT_DOUBLE_EQ(balance(QStringLiteral("1001")), 87.5);
}

// --- serial numbers --------------------------------------------------------------

TEST(SerialNumber, FollowsTheHighestNumber)
{
    const struct {
        QString highest, next;
    } cases[] = {
        {QString(), QStringLiteral("0000000001")},
        {QStringLiteral(" "), QStringLiteral("0000000001")},
        {QStringLiteral("0000000009"), QStringLiteral("0000000010")},
        {QStringLiteral("0000000099"), QStringLiteral("0000000100")},
        {QStringLiteral("2147483646"), QStringLiteral("2147483647")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(points::serialAfter(c.highest), c.next) << c.highest.toStdString();
    EXPECT_THROW(points::serialAfter(QStringLiteral("abc")), std::runtime_error);
    EXPECT_THROW(points::serialAfter(QStringLiteral("2147483647")), std::runtime_error);
}

TEST_F(PointsTest, SerialNumberShownWindowsStartFromTheLedger)
{
    QWidget* w = open("增加积分");
    EXPECT_EQ(serialOf(w), QStringLiteral("0000000001"));
    w->window()->close();
    ledgerRow(QStringLiteral("0000000009"));
    EXPECT_EQ(serialOf(open("积分兑换")), QStringLiteral("0000000010"));
}

TEST_F(PointsTest, CreditThenRedemptionShareOneSequence)
{
    category(QStringLiteral("餐饮"), 1);
    member(QStringLiteral("1001"), QStringLiteral("张三"), 0);
    QWidget* credit = open("增加积分");
    load(credit, QStringLiteral("1001"));
    test::typeKeys(edit(credit, "Edit12"), QStringLiteral("20"));
    saveCredit(credit);
    QWidget* redemption = open("积分兑换");
    load(redemption, QStringLiteral("1001"));
    redeem(redemption, QStringLiteral("5"));
    EXPECT_EQ(rows(QStringLiteral("select 编号,增减积分 from 流水记录 order by 编号")),
              (QList<QStringList>{{QStringLiteral("0000000001"), QStringLiteral("20")},
                                  {QStringLiteral("0000000002"), QStringLiteral("-5")}}));
}

TEST_F(PointsTest, TwoOpenWindowsNeverWriteTheSameNumber)
{
    category(QStringLiteral("餐饮"), 1);
    member(QStringLiteral("1001"), QStringLiteral("张三"), 100);
    QWidget* credit = open("增加积分");
    QWidget* redemption = open("积分兑换");
    load(credit, QStringLiteral("1001"));
    test::typeKeys(edit(credit, "Edit12"), QStringLiteral("20"));
    setEditText(combo(credit, "ComboBox2"), QStringLiteral("消费"));
    load(redemption, QStringLiteral("1001"));
    test::type(edit(redemption, "Edit13"), QStringLiteral("5"));
    setEditText(combo(redemption, "ComboBox2"), QStringLiteral("兑换"));
    ASSERT_EQ(serialOf(credit), serialOf(redemption));

    // One save right after the other, with no event (and so no repaint) between.
    button(credit, "BitBtn1")->click();
    button(redemption, "BitBtn1")->click();
    EXPECT_EQ(count(QStringLiteral("select count(distinct 编号) from 流水记录")), 2);
    EXPECT_EQ(count(QStringLiteral("select count(*) from 流水记录")), 2);
}

// --- shop settings ---------------------------------------------------------------

TEST_F(PointsTest, ShopSettingsSaveAndRefusal)
{
    QWidget* w = open("店铺名称及小票打印设置");
    EXPECT_EQ(combo(w, "ComboBox1")->currentText(), QStringLiteral("lpt1"));
    test::click(button(w, "BitBtn1"));
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("信息不完整！")});
    EXPECT_FALSE(QFile::exists(dir() + QStringLiteral("myini.ini")));

    dialogs.clear();
    edit(w, "Edit1")->setText(QStringLiteral("新店"));
    find<QPlainTextEdit>(w, QStringLiteral("Memo1"))->setPlainText(QStringLiteral("欢迎\n再来\n"));
    combo(w, "ComboBox1")->setCurrentText(QStringLiteral("/tmp/printer"));
    find<QCheckBox>(w, QStringLiteral("CheckBox1"))->setChecked(true);
    test::click(button(w, "BitBtn1"));
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("保存成功！")});
    const os::IniFile ini = os::settings::file();
    EXPECT_EQ(ini.readString(os::settings::Section, QStringLiteral("小票尾"), QString()),
              QStringLiteral("欢迎再来"));
    EXPECT_EQ(ini.readString(os::settings::Section, QStringLiteral("打印端口"), QString()),
              QStringLiteral("/tmp/printer"));
    EXPECT_TRUE(ini.readBool(os::settings::Section, QStringLiteral("打印小票"), false));
    EXPECT_TRUE(mainWindow()->windowTitle().startsWith(QStringLiteral("新店")));
}

TEST_F(PointsTest, BackgroundChosenIsWrittenAtOnce)
{
    QWidget* w = open("店铺名称及小票打印设置");
    dialogs.acceptFile(dir() + QStringLiteral("bg.bmp"));
    test::click(button(w, "Button1"));
    EXPECT_EQ(edit(w, "Edit4")->text(), dir() + QStringLiteral("bg.bmp"));
    EXPECT_EQ(os::settings::file().readString(os::settings::Section, QStringLiteral("背景图片"),
                                              QString()),
              dir() + QStringLiteral("bg.bmp"));
    EXPECT_TRUE(dialogs.boxes.isEmpty());
}

} // namespace
