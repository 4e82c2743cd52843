// Receipts: the frame byte for byte, the footer wrapping and the shop name
// centring, and what the credit, redemption and test page send to a port
// that is a file path.
#include "harness/harness.h"

#include "platform/os/gbk.h"
#include "platform/ui/stringgrid.h"
#include "points/receipt.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

namespace
{

// Chinese text cannot be typed as key clicks; it arrives as an input method would put it.
void setEditText(QComboBox* box, const QString& text)
{
    box->setEditText(text);
}

QByteArray expectedFile(const QString& name)
{
    QFile file(QFileInfo(QStringLiteral(__FILE__)).absolutePath() +
               QStringLiteral("/data/receipts/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ShopName, CentredByItsGbkLength)
{
    const struct {
        QString name;
        int blanks;
    } cases[] = {
        {QStringLiteral("蔚川石美食城总店"), 8},                  // 16 bytes
        {QStringLiteral("Golden Dragon Restaurant Hall 1"), 0},   // 31 bytes: 1 / 2 truncates
        {QStringLiteral("The Golden Dragon Restaurant 8888"), 0}, // 33 bytes: unchanged
        {QString(32, QLatin1Char('x')), 0},
        {QString(), 16},
        {QStringLiteral("ab"), 15},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(points::centredShopName(c.name), QString(c.blanks, QLatin1Char(' ')) + c.name)
            << c.name.toStdString();
    }
}

TEST(Footer, WrapsAtThirtyOneColumns)
{
    const struct {
        QString footer;
        QStringList lines;
    } cases[] = {
        {QString(), {}},
        {QStringLiteral("1234567890123456789012345678901234567890"),
         {QStringLiteral("1234567890123456789012345678901"), QStringLiteral("234567890")}},
        {QString(31, QLatin1Char('7')), {QString(31, QLatin1Char('7'))}},
        // Broken after the blank where the next word would overflow.
        {QStringLiteral("aaaaaaaaaa bbbbbbbbbb cccccccccc dddd"),
         {QStringLiteral("aaaaaaaaaa bbbbbbbbbb "), QStringLiteral("cccccccccc dddd")}},
        // A blank that would stand in column 32 ends the line.
        {QString(31, QLatin1Char('a')) + QStringLiteral(" b"),
         {QString(31, QLatin1Char('a')), QStringLiteral("b")}},
        // Fifteen Chinese characters fill 30 columns; the sixteenth never splits.
        {QString(16, QChar(0x8C22)), {QString(15, QChar(0x8C22)), QString(QChar(0x8C22))}},
        {QStringLiteral("a") + QString(16, QChar(0x8C22)),
         {QStringLiteral("a") + QString(15, QChar(0x8C22)), QString(QChar(0x8C22))}},
    };
    for (const auto& c : cases) {
        const QStringList lines = points::wrapFooter(c.footer);
        EXPECT_EQ(lines, c.lines) << c.footer.toStdString();
        for (const QString& line : lines)
            EXPECT_LE(os::toGbk(line).size(), points::FooterWidth);
    }
}

class ReceiptWindows : public test::AppTest
{
protected:
    QString port() const { return dir() + QStringLiteral("receipt.prn"); }

    void settings(const QString& shop, const QString& footer, bool print = true)
    {
        writeIni(QStringLiteral(
                     "[程序参数]\r\n打印端口=%1\r\n店铺名称=%2\r\n小票尾=%3\r\n打印小票=%4\r\n")
                     .arg(port(), shop, footer, print ? QStringLiteral("1") : QStringLiteral("0")));
    }

    void member(double balance)
    {
        sql(QStringLiteral(
                "insert into 会员卡信息(会员卡号,会员姓名,积分,引荐人卡号,引荐人姓名,口头挂失标志) "
                "values ('1001','张三',%1,'','',false)")
                .arg(balance));
    }

    void load(QWidget* w)
    {
        auto* card = test::find<QLineEdit>(w, QStringLiteral("Edit1"));
        test::type(card, QStringLiteral("1001"));
        test::pressEnter(card);
    }

    void credit()
    {
        sql(QStringLiteral("insert into 消费类别(消费类别,积分比例) values ('餐饮',3)"));
        member(10);
        ASSERT_NE(start(), nullptr);
        QWidget* w = chooseMenu(QStringLiteral("增加积分"));
        ASSERT_NE(w, nullptr);
        load(w);
        auto* grid = test::find<ui::AdvStringGrid>(w, QStringLiteral("AdvStringGrid1"));
        const QStringList items{QStringLiteral("红烧肉"), QStringLiteral("米饭"),
                                QStringLiteral("啤酒")};
        const QStringList amounts{QStringLiteral("60"), QStringLiteral("10"), QStringLiteral("30")};
        for (int i = 0; i < 3; ++i) {
            grid->setCells(1, i + 1, items[i]);
            grid->setCells(2, i + 1, amounts[i]);
        }
        auto* reason = test::find<QComboBox>(w, QStringLiteral("ComboBox2"));
        test::leaveFocus(grid, reason);
        setEditText(reason, QStringLiteral("消费"));
        test::click(test::find<QAbstractButton>(w, QStringLiteral("BitBtn1")));
    }
};

TEST_F(ReceiptWindows, CreditOfThreeItems)
{
    settings(QStringLiteral("蔚川石美食城总店"),
             QStringLiteral("1234567890123456789012345678901234567890"));
    credit();
    ASSERT_TRUE(dialogs.shown(QStringLiteral("增加积分成功！")));
    EXPECT_EQ(readAll(port()), expectedFile(QStringLiteral("credit_three_items.bin")));
}

TEST_F(ReceiptWindows, NoReceiptWhenSwitchedOff)
{
    settings(QStringLiteral("店"), QString(), false);
    credit();
    ASSERT_TRUE(dialogs.shown(QStringLiteral("增加积分成功！")));
    EXPECT_FALSE(QFileInfo::exists(port()));
}

TEST_F(ReceiptWindows, PrinterErrorsAreSilent)
{
    writeIni(QStringLiteral("[程序参数]\r\n打印端口=%1\r\n打印小票=1\r\n")
                 .arg(dir() + QStringLiteral("no/such/folder/port")));
    credit();
    EXPECT_EQ(dialogs.texts(), QStringList{QStringLiteral("增加积分成功！")});
    EXPECT_EQ(count(QStringLiteral("select count(*) from 流水记录")), 1);
}

TEST_F(ReceiptWindows, Redemption)
{
    settings(QStringLiteral("Golden Dragon Restaurant Hall 1"), QString());
    member(120);
    ASSERT_NE(start(), nullptr);
    QWidget* w = chooseMenu(QStringLiteral("积分兑换"));
    ASSERT_NE(w, nullptr);
    load(w);
    test::type(test::find<QLineEdit>(w, QStringLiteral("Edit13")), QStringLiteral("50"));
    setEditText(test::find<QComboBox>(w, QStringLiteral("ComboBox1")), QStringLiteral("水杯"));
    setEditText(test::find<QComboBox>(w, QStringLiteral("ComboBox2")), QStringLiteral("兑换"));
    test::click(test::find<QAbstractButton>(w, QStringLiteral("BitBtn1")));
    ASSERT_TRUE(dialogs.shown(QStringLiteral("兑换积分成功！")));
    EXPECT_EQ(readAll(port()), expectedFile(QStringLiteral("redemption.bin")));
}

TEST_F(ReceiptWindows, TestPagePrintsWhatWasSaved)
{
    settings(QStringLiteral("The Golden Dragon Restaurant 8888"),
             QStringLiteral("Thank you for dining with us today 欢迎再次光临本店，祝您生活愉快"));
    ASSERT_NE(start(), nullptr);
    QWidget* w = chooseMenu(QStringLiteral("店铺名称及小票打印设置"));
    ASSERT_NE(w, nullptr);
    // Unsaved changes on the screen do not reach the test page.
    test::find<QLineEdit>(w, QStringLiteral("Edit1"))->setText(QStringLiteral("别的店"));
    test::click(test::find<QAbstractButton>(w, QStringLiteral("BitBtn3")));
    EXPECT_EQ(readAll(port()), expectedFile(QStringLiteral("testpage.bin")));
    EXPECT_TRUE(dialogs.boxes.isEmpty());
}

TEST(ReceiptBytes, OnlyTheTestPageKicksTheDrawer)
{
    const QByteArray kick("\x1b\x70\x07", 3);
    points::ReceiptContent content;
    content.title = QStringLiteral("t");
    content.footer = QStringLiteral("p");
    EXPECT_FALSE(points::receiptBytes(content).contains(kick));
    EXPECT_TRUE(points::testPageBytes(QString(), QString()).contains(kick));
}

} // namespace
