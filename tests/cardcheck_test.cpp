#include "harness/harness.h"

#include "app/dm1frm.h"
#include "members/cardcheck.h"
#include "members/searchpanel.h"
#include "platform/ui/dbgrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using members::CardCheck;
using members::CardCheckProfile;

namespace
{


// A window with every control any of the card-check windows names, so each
// preset can be driven through the real check and search panel.
class HostWindow : public QWidget
{
public:
    HostWindow(const CardCheckProfile& profile, bool withPanel)
    {
        auto* layout = new QVBoxLayout(this);
        for (int i = 1; i <= 16; ++i) {
            auto* edit = new QLineEdit(this);
            edit->setObjectName(QStringLiteral("Edit%1").arg(i));
            layout->addWidget(edit);
        }
        auto* check = new QCheckBox(this);
        check->setObjectName(QStringLiteral("CheckBox1"));
        for (const char* name : {"ComboBox1", "ComboBox2"}) {
            auto* combo = new QComboBox(this);
            combo->setEditable(true);
            combo->setObjectName(QString::fromLatin1(name));
            layout->addWidget(combo);
        }
        for (const char* name : {"BitBtn1", "BitBtn2"}) {
            auto* button = new QPushButton(this);
            button->setObjectName(QString::fromLatin1(name));
            button->setEnabled(false);
            layout->addWidget(button);
        }
        test::find<QLineEdit>(this, QStringLiteral("Edit12"))->setEnabled(false);
        test::find<QLineEdit>(this, QStringLiteral("Edit13"))->setEnabled(false);
        panel = withPanel ? new members::SearchPanel(this) : nullptr;
        if (panel)
            layout->addWidget(panel);
        check_ = new CardCheck(this, profile, panel);
        show();
    }
    QLineEdit* edit(int n) { return test::find<QLineEdit>(this, QStringLiteral("Edit%1").arg(n)); }
    QPushButton* button(const char* name)
    {
        return test::find<QPushButton>(this, QString::fromLatin1(name));
    }
    QCheckBox* checkBox() { return test::find<QCheckBox>(this, QStringLiteral("CheckBox1")); }
    void enter(const QString& card)
    {
        test::type(edit(1), card);
        test::pressEnter(edit(1));
    }

    members::SearchPanel* panel;
    CardCheck* check_;
};

} // namespace

class CardCheckTest : public test::AppTest
{
protected:
    void SetUp() override
    {
        test::AppTest::SetUp();
        ASSERT_NE(start(), nullptr);
        member(QStringLiteral("1001"), QStringLiteral("张三"), QStringLiteral("false"),
               QStringLiteral("110101198005121234"), QStringLiteral("010-1234"),
               QStringLiteral("13900000001"));
        member(QStringLiteral("1002"), QStringLiteral("李四"), QStringLiteral("true"),
               QStringLiteral("110101199001011111"), QStringLiteral("010-5678"),
               QStringLiteral("13900000002"));
        member(QStringLiteral("1003"), QStringLiteral("张小明"), QStringLiteral("false"),
               QStringLiteral("220101200002022222"), QStringLiteral("021-1111"),
               QStringLiteral("13800000003"));
        sql(QStringLiteral("insert into 挂失记录(旧卡号,新卡号,会员姓名,原有积分,日期,时间,经手人) "
                           "values ('0999','1001','张三',5,'2026-01-02','10:00:00','0001')"));
        sql(QStringLiteral(
            "insert into 口头挂失记录(会员卡号,会员姓名,口头挂失日期,口头挂失时间,挂失经手人) "
            "values ('1002','李四','2026-03-04','09:00:00','0001')"));
    }

    void member(const QString& card, const QString& name, const QString& blocked, const QString& id,
                const QString& phone, const QString& mobile)
    {
        sql(QStringLiteral(
                "insert into 会员卡信息(会员卡号,会员姓名,性别,职业,身份证号,会员生日,生日,地址,"
                "固定电话,手机,积分,起用日期,引荐人卡号,引荐人姓名,口头挂失标志) values ('%1','%2',"
                "'男','教师','%3','1980-05-12','5-12','某路1号','%4','%5',12.5,'2025-01-01',"
                "'','',%6)")
                .arg(card, QString(name).replace(QLatin1Char('\''), QStringLiteral("''")), id,
                     phone, mobile, blocked));
    }

    std::unique_ptr<HostWindow> host(const CardCheckProfile& profile, bool withPanel = true)
    {
        return std::make_unique<HostWindow>(profile, withPanel);
    }
};

TEST_F(CardCheckTest, LoadsTheMemberAndArmsTheWindow)
{
    auto w = host(CardCheckProfile::zengjiajifen());
    w->enter(QStringLiteral("1001"));
    EXPECT_TRUE(dialogs.boxes.isEmpty());
    EXPECT_EQ(w->edit(3)->text(), QStringLiteral("张三"));
    EXPECT_EQ(w->edit(2)->text(), QStringLiteral("教师"));
    EXPECT_EQ(w->edit(8)->text(), QStringLiteral("1980-05-12"));
    EXPECT_EQ(w->edit(10)->text(), QStringLiteral("12.5"));
    EXPECT_EQ(w->edit(11)->text(), QStringLiteral("2025-01-01"));
    EXPECT_TRUE(w->button("BitBtn1")->isEnabled());
    EXPECT_TRUE(w->edit(12)->isEnabled());
    EXPECT_TRUE(w->edit(12)->hasFocus());
    EXPECT_EQ(w->check_->currentCard(), QStringLiteral("1001"));
    EXPECT_TRUE(w->check_->stillLoaded(QStringLiteral("1001")));
}

TEST_F(CardCheckTest, RetiredNumberOffersTheFormalLossRecords)
{
    auto w = host(CardCheckProfile::zengjiajifen());
    auto& records = TDM1::instance().ADOQuery9;
    records.setSql(QStringLiteral("select 1"));
    dialogs.answer(ui::Answer::Cancel);
    w->enter(QStringLiteral("0999"));
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_EQ(dialogs.last().title, QStringLiteral("系统提示"));
    EXPECT_EQ(dialogs.last().text, QStringLiteral("此卡已经挂失，不能使用,需要打开挂失记录吗？"));
    EXPECT_EQ(dialogs.last().buttons, ui::Buttons::OkCancel);
    EXPECT_EQ(records.sql(), QStringLiteral("select 1"));

    w->enter(QStringLiteral("0999")); // answered OK
    EXPECT_EQ(records.sql(), QStringLiteral("select * from 挂失记录 where 旧卡号='0999'"));
    ASSERT_TRUE(records.isOpen());
    EXPECT_EQ(records.recordCount(), 1);
    EXPECT_TRUE(w->edit(3)->text().isEmpty());
}

TEST_F(CardCheckTest, RetiredTextsAndMissingTitlesDifferByWindow)
{
    struct Case {
        CardCheckProfile profile;
        QString retired;
        QString missingTitle;
    };
    const Case cases[] = {
        {CardCheckProfile::zengjiajifen(),
         QStringLiteral("此卡已经挂失，不能使用,需要打开挂失记录吗？"), QStringLiteral("提示")},
        {CardCheckProfile::duihuan(), QStringLiteral("此卡已经挂失，不能查询,需要打开挂失记录吗？"),
         QStringLiteral("提示！")},
        {CardCheckProfile::jifenchaxun(),
         QStringLiteral("此卡已经挂失，不能查询,需要打开挂失记录吗？"), QStringLiteral("提示")},
        {CardCheckProfile::koutou(), QStringLiteral("此卡已经挂失，不能使用,需要打开挂失记录吗？"),
         QStringLiteral("提示")},
        {CardCheckProfile::guashi(), QStringLiteral("此卡已经挂失，不能使用,需要打开挂失记录吗？"),
         QStringLiteral("提示")},
        {CardCheckProfile::xiugai(), QStringLiteral("此卡已经挂失，不能使用！"),
         QStringLiteral("提示！")},
    };
    for (const Case& c : cases) {
        auto w = host(c.profile, false);
        dialogs.clear();
        dialogs.answer(ui::Answer::Cancel);
        w->enter(QStringLiteral("0999"));
        w->enter(QStringLiteral("5555"));
        ASSERT_EQ(dialogs.boxes.size(), 2);
        EXPECT_EQ(dialogs.boxes[0].text, c.retired);
        EXPECT_EQ(dialogs.boxes[0].icon, ui::Icon::Question);
        EXPECT_EQ(dialogs.boxes[1].text, QStringLiteral("此卡号不存在！"));
        EXPECT_EQ(dialogs.boxes[1].title, c.missingTitle);
        EXPECT_EQ(dialogs.boxes[1].icon, ui::Icon::Error);
    }
}

TEST_F(CardCheckTest, VerbalBlockIsRefusedShownOrIgnoredByWindow)
{
    {
        auto w = host(CardCheckProfile::duihuan());
        dialogs.answer(ui::Answer::Ok);
        w->enter(QStringLiteral("1002"));
        EXPECT_EQ(dialogs.last().text,
                  QStringLiteral("此卡已经口头挂失，不能使用,需要打开口头挂失记录吗？"));
        EXPECT_TRUE(w->edit(3)->text().isEmpty());
        EXPECT_FALSE(w->button("BitBtn1")->isEnabled());
        EXPECT_EQ(TDM1::instance().ADOQuery10.sql(),
                  QStringLiteral("select * from 口头挂失记录 where 会员卡号='1002'"));
        EXPECT_EQ(TDM1::instance().ADOQuery10.recordCount(), 1);
    }
    for (const auto& profile : {CardCheckProfile::jifenchaxun(), CardCheckProfile::koutou()}) {
        auto w = host(profile);
        dialogs.clear();
        w->enter(QStringLiteral("1002"));
        EXPECT_TRUE(dialogs.boxes.isEmpty());
        EXPECT_EQ(w->edit(3)->text(), QStringLiteral("李四"));
        EXPECT_TRUE(w->checkBox()->isChecked());
        w->enter(QStringLiteral("1001"));
        EXPECT_FALSE(w->checkBox()->isChecked());
    }
    auto w = host(CardCheckProfile::guashi());
    dialogs.clear();
    w->enter(QStringLiteral("1002"));
    EXPECT_TRUE(dialogs.boxes.isEmpty());
    EXPECT_EQ(w->edit(3)->text(), QStringLiteral("李四"));
    EXPECT_TRUE(w->edit(12)->isEnabled());
}

TEST_F(CardCheckTest, RefusalAndSearchDisarmUntilTheNextLoad)
{
    auto w = host(CardCheckProfile::zengjiajifen());
    w->enter(QStringLiteral("1001"));
    ASSERT_TRUE(w->button("BitBtn1")->isEnabled());

    // The card box retyped without Enter: the checked card no longer matches.
    test::type(w->edit(1), QStringLiteral("1003"));
    EXPECT_FALSE(w->check_->stillLoaded(w->edit(1)->text()));

    w->enter(QStringLiteral("5555"));
    EXPECT_FALSE(w->button("BitBtn1")->isEnabled());
    EXPECT_FALSE(w->check_->stillLoaded(QStringLiteral("1001")));
    EXPECT_EQ(w->check_->currentCard(), QStringLiteral("1001"));
    EXPECT_EQ(w->edit(3)->text(), QStringLiteral("张三")); // fields stay as they were

    w->enter(QStringLiteral("1001"));
    EXPECT_TRUE(w->button("BitBtn1")->isEnabled());
    test::click(w->panel->searchButton(0));
    EXPECT_FALSE(w->button("BitBtn1")->isEnabled());
    EXPECT_FALSE(w->check_->stillLoaded(w->edit(1)->text()));
}

TEST_F(CardCheckTest, SearchKeepsTheFragmentAndClearsTheRest)
{
    struct Case {
        int box;
        QString fragment;
        QStringList found;
    };
    const Case cases[] = {
        {3, QStringLiteral("张"), {QStringLiteral("1001"), QStringLiteral("1003")}},
        {4, QStringLiteral("1990"), {QStringLiteral("1002")}},
        {5, QStringLiteral("010-"), {QStringLiteral("1001"), QStringLiteral("1002")}},
        {6, QStringLiteral("138"), {QStringLiteral("1003")}},
        {6, QStringLiteral("139_____002"), {QStringLiteral("1002")}}, // _ stays a wildcard
        {3, QString(), {QStringLiteral("1001"), QStringLiteral("1002"), QStringLiteral("1003")}},
    };
    auto w = host(CardCheckProfile::zengjiajifen());
    for (const Case& c : cases) {
        w->enter(QStringLiteral("1001"));
        w->panel->hide();
        test::type(w->edit(c.box), c.fragment);
        test::pressEnter(w->edit(c.box)); // Enter clicks the box's search button
        EXPECT_TRUE(w->panel->isVisible());
        EXPECT_EQ(w->edit(c.box)->text(), c.fragment);
        for (int n : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 15, 16}) {
            if (n != c.box) {
                EXPECT_TRUE(w->edit(n)->text().isEmpty()) << "Edit" << n;
            }
        }
        ui::DBGridEh* grid = w->panel->grid();
        QStringList cards;
        for (int row = 0; row < grid->rowCount(); ++row)
            cards << w->panel->cardAt(row);
        cards.sort();
        EXPECT_EQ(cards, c.found) << c.fragment.toStdString();
        EXPECT_EQ(w->check_->currentCard(), QStringLiteral("1001"));
    }
}

TEST_F(CardCheckTest, DoubleClickLoadsAndHidesOrKeepsThePanel)
{
    // A retired number that still has a member row shows which windows consult 挂失记录.
    member(QStringLiteral("0999"), QStringLiteral("王五"), QStringLiteral("false"), QString(),
           QString(), QString());
    {
        auto w = host(CardCheckProfile::zengjiajifen());
        test::type(w->edit(3), QStringLiteral("王五"));
        test::click(w->panel->searchButton(0));
        emit w->panel->grid()->rowDoubleClicked(0);
        test::processEvents();
        EXPECT_TRUE(dialogs.boxes.isEmpty());
        EXPECT_EQ(w->edit(1)->text(), QStringLiteral("0999"));
        EXPECT_EQ(w->edit(3)->text(), QStringLiteral("王五"));
        EXPECT_FALSE(w->panel->isVisible());
        EXPECT_TRUE(w->check_->stillLoaded(QStringLiteral("0999")));
    }
    auto w = host(CardCheckProfile::duihuan());
    test::type(w->edit(3), QStringLiteral("王五"));
    test::click(w->panel->searchButton(0));
    dialogs.answer(ui::Answer::Cancel);
    emit w->panel->grid()->rowDoubleClicked(0);
    test::processEvents();
    EXPECT_EQ(dialogs.last().text, QStringLiteral("此卡已经挂失，不能使用,需要打开挂失记录吗？"));
    EXPECT_TRUE(w->panel->isVisible());
    EXPECT_TRUE(w->edit(1)->text().isEmpty());
}

TEST_F(CardCheckTest, QuotesAreSearchedAsTyped)
{
    member(QStringLiteral("2001"), QStringLiteral("O'Brien"), QStringLiteral("false"), QString(),
           QString(), QString());
    auto w = host(CardCheckProfile::jifenchaxun());
    test::type(w->edit(3), QStringLiteral("O'B"));
    test::click(w->panel->searchButton(0));
    ASSERT_EQ(w->panel->grid()->rowCount(), 1);
    EXPECT_EQ(w->panel->cardAt(0), QStringLiteral("2001"));
    w->enter(QStringLiteral("20'01")); // a quote in the card box is just a number not on file
    EXPECT_EQ(dialogs.last().text, QStringLiteral("此卡号不存在！"));
}
