#include "harness/harness.h"

#include "app/dm1frm.h"
#include "members/tuanduifrm.h"
#include "members/xinhuiyuanfrm.h"
#include "members/xiugaifrm.h"
#include "platform/os/gbk.h"
#include "platform/ui/dbgrid.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using test::click;
using test::find;
using test::pressEnter;

namespace
{

// The harness types key by key, which covers ASCII only; other text is set as a paste would.
void typeKeysInto(QWidget* box, const QString& keys)
{
    box->setFocus();
    test::typeKeys(box, keys);
}


const QString MenuItem = QStringLiteral("新增修改会员信息");

QString quoted(const QString& value)
{
    return QString(value).replace(QLatin1Char('\''), QStringLiteral("''"));
}

// Closes a modal window the test left open, so a failed check cannot hang the run.
void finish(QWidget* modal)
{
    if (auto* dialog = qobject_cast<QDialog*>(modal); dialog && dialog->isVisible())
        dialog->done(0);
}

} // namespace

class MembersTest : public test::AppTest
{
protected:
    void SetUp() override
    {
        test::AppTest::SetUp();
        ASSERT_NE(start(), nullptr);
    }

    void member(const QString& card, const QString& name, const QString& referrer = QString(),
                const QString& referrerName = QString(), bool blocked = false)
    {
        sql(QStringLiteral(
                "insert into 会员卡信息(会员卡号,会员姓名,性别,职业,身份证号,会员生日,生日,地址,"
                "固定电话,手机,积分,起用日期,引荐人卡号,引荐人姓名,口头挂失标志) values "
                "('%1','%2','女','医生','110101198005121234','1980-05-12','5-12','某路1号',"
                "'010-1234','13900000001',30,'2025-01-01','%3','%4',%5)")
                .arg(card, quoted(name), referrer, referrerName,
                     blocked ? QStringLiteral("true") : QStringLiteral("false")));
    }
    void teamRow(const QString& referrer, const QString& referrerName, const QString& card,
                 const QString& name)
    {
        sql(QStringLiteral("insert into 团队(卡号,姓名,团队成员卡号,团队成员姓名) values "
                           "('%1','%2','%3','%4')")
                .arg(referrer, referrerName, card, name));
    }
    void retire(const QString& oldCard)
    {
        sql(QStringLiteral("insert into 挂失记录(旧卡号,新卡号,会员姓名,原有积分,日期,时间,经手人) "
                           "values ('%1','8888','旧会员',0,'2026-01-02','10:00:00','0001')")
                .arg(oldCard));
    }

    Txinhuiyuan* enrolment()
    {
        auto* w = openChild<Txinhuiyuan>(MenuItem);
        EXPECT_NE(w, nullptr);
        return w;
    }
    // The modification window shown as the enrolment window shows it would,
    // but without a nested event loop so the test can drive it step by step.
    std::unique_ptr<Txiugai> modification()
    {
        auto w = std::make_unique<Txiugai>();
        w->show();
        QApplication::setActiveWindow(w.get());
        test::processEvents();
        return w;
    }
    void load(QWidget* w, const QString& card)
    {
        test::type(find<QLineEdit>(w, QStringLiteral("Edit1")), card);
        pressEnter(find<QLineEdit>(w, QStringLiteral("Edit1")));
    }
    static QLineEdit* edit(QWidget* w, int n)
    {
        return find<QLineEdit>(w, QStringLiteral("Edit%1").arg(n));
    }
    static QPushButton* button(QWidget* w, int n)
    {
        return find<QPushButton>(w, QStringLiteral("BitBtn%1").arg(n));
    }
    static QDateEdit* picker(QWidget* w, int n)
    {
        return find<QDateEdit>(w, QStringLiteral("DateTimePicker%1").arg(n));
    }
    static QComboBox* combo(QWidget* w, int n)
    {
        return find<QComboBox>(w, QStringLiteral("ComboBox%1").arg(n));
    }
    void fillNewMember(QWidget* w, const QString& card, const QString& name)
    {
        test::type(edit(w, 1), card);
        test::type(edit(w, 2), name);
        combo(w, 1)->setEditText(QStringLiteral("厨师"));
        test::type(edit(w, 4), QStringLiteral("中山路2号"));
        test::type(edit(w, 5), QStringLiteral("020-8888"));
        test::type(edit(w, 6), QStringLiteral("13700000000"));
    }
};

// --- enrolment ----------------------------------------------------------------

TEST_F(MembersTest, EnrolmentRefusesRetiredAndIssuedNumbers)
{
    retire(QStringLiteral("0999"));
    member(QStringLiteral("1001"), QStringLiteral("张三"));
    Txinhuiyuan* w = enrolment();
    ASSERT_NE(w, nullptr);

    test::type(edit(w, 1), QStringLiteral("0999"));
    test::leaveFocus(edit(w, 1), edit(w, 2));
    EXPECT_EQ(dialogs.last().title, QStringLiteral("系统提示"));
    EXPECT_EQ(dialogs.last().text, QStringLiteral("此卡已经挂失，不能使用!"));
    EXPECT_EQ(dialogs.last().icon, ui::Icon::Question);
    EXPECT_TRUE(edit(w, 1)->text().isEmpty());
    EXPECT_TRUE(edit(w, 1)->hasFocus());

    test::type(edit(w, 1), QStringLiteral("1001"));
    test::leaveFocus(edit(w, 1), edit(w, 2));
    EXPECT_EQ(dialogs.last().title, QStringLiteral("提示"));
    EXPECT_EQ(dialogs.last().text, QStringLiteral("此卡号已经存在！"));
    EXPECT_EQ(dialogs.last().icon, ui::Icon::Error);
    EXPECT_TRUE(edit(w, 1)->text().isEmpty());

    // On saving, without leaving the box first.
    for (const QString& card : {QStringLiteral("0999"), QStringLiteral("1001")}) {
        dialogs.clear();
        edit(w, 2)->setFocus();
        edit(w, 1)->setText(card);
        click(button(w, 1));
        ASSERT_EQ(dialogs.boxes.size(), 1);
        EXPECT_NE(dialogs.last().text, QStringLiteral("新增会员成功！"));
        EXPECT_TRUE(edit(w, 1)->text().isEmpty());
    }
    EXPECT_EQ(count(QStringLiteral("select count(*) from 会员卡信息")), 1);

    dialogs.clear();
    click(button(w, 1));
    EXPECT_EQ(dialogs.last().text, QStringLiteral("卡号不能为空!"));
    EXPECT_EQ(count(QStringLiteral("select count(*) from 会员卡信息")), 1);
}

TEST_F(MembersTest, CardBoxTakesDigitsAndControlKeysOnly)
{
    Txinhuiyuan* w = enrolment();
    ASSERT_NE(w, nullptr);
    edit(w, 1)->setFocus();
    test::typeKeys(edit(w, 1), QStringLiteral("12a 3-4"));
    QKeyEvent chinese(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("中"));
    QApplication::sendEvent(edit(w, 1), &chinese);
    EXPECT_EQ(edit(w, 1)->text(), QStringLiteral("1234"));
    QTest::keyClick(edit(w, 1), Qt::Key_Backspace);
    EXPECT_EQ(edit(w, 1)->text(), QStringLiteral("123"));
    pressEnter(edit(w, 1));
    EXPECT_TRUE(edit(w, 2)->hasFocus());
}

TEST_F(MembersTest, EnterWalksTheEntryOrder)
{
    Txinhuiyuan* w = enrolment();
    ASSERT_NE(w, nullptr);
    const QStringList chain = {"Edit1", "Edit2",           "ComboBox2", "ComboBox1",
                               "Edit3", "DateTimePicker1", "Edit4",     "Edit5",
                               "Edit6", "DateTimePicker2", "Edit7"};
    QWidget* current = test::findNamed(w, chain.first());
    current->setFocus();
    for (int i = 1; i < chain.size(); ++i) {
        pressEnter(current);
        current = QApplication::focusWidget();
        ASSERT_NE(current, nullptr);
        // The editable boxes keep the focus in their inner line edit.
        if (!current->objectName().startsWith(QLatin1String("Edit")) &&
            !current->objectName().startsWith(QLatin1String("ComboBox")) &&
            !current->objectName().startsWith(QLatin1String("DateTime")))
            current = current->parentWidget();
        EXPECT_EQ(current->objectName(), chain[i]);
    }
    edit(w, 8)->setFocus();
    pressEnter(edit(w, 8));
    EXPECT_EQ(QApplication::focusWidget(), button(w, 1));
}

TEST_F(MembersTest, BirthdayFromIdentityNumber)
{
    // The clock stands in 2026: two-digit years 76..99 are 1976..1999, 00..75 are 2000..2075.
    const QDate before(2001, 2, 3);
    struct Case {
        QString identity;
        QDate expected; // before: the picker is left alone
        bool error;
    };
    const Case cases[] = {
        {QStringLiteral("110101198005121234"), QDate(1980, 5, 12), false},
        {QStringLiteral("110101760512123"), QDate(1976, 5, 12), false},
        {QStringLiteral("110101750512123"), QDate(2075, 5, 12), false},
        {QStringLiteral("110101000229123"), QDate(2000, 2, 29), false},
        {QStringLiteral("1101011980051212"), before, false},
        {QStringLiteral("11010119800512123"), before, false},
        {QStringLiteral("110101198013121234"), before, true},
        {QStringLiteral("110101198005321234"), before, true},
        {QStringLiteral("1101017a0512123"), before, true},
    };
    Txinhuiyuan* w = enrolment();
    ASSERT_NE(w, nullptr);
    for (const Case& c : cases) {
        picker(w, 1)->setDate(before);
        dialogs.clear();
        test::type(edit(w, 3), c.identity);
        test::leaveFocus(edit(w, 3), edit(w, 4));
        EXPECT_EQ(picker(w, 1)->date(), c.expected) << c.identity.toStdString();
        EXPECT_EQ(dialogs.boxes.size(), c.error ? 1 : 0) << c.identity.toStdString();
        if (c.error) {
            EXPECT_EQ(dialogs.last().title, ui::applicationTitle());
        }
        EXPECT_TRUE(edit(w, 4)->hasFocus()); // the form goes on
    }
}

TEST_F(MembersTest, SavesWithReferrerAndTeamRow)
{
    member(QStringLiteral("1001"), QStringLiteral("张三"));
    Txinhuiyuan* w = enrolment();
    ASSERT_NE(w, nullptr);
    fillNewMember(w, QStringLiteral("2001"), QStringLiteral("O'Brien"));
    test::type(edit(w, 3), QStringLiteral("110101198005121234"));
    test::leaveFocus(edit(w, 3), edit(w, 4));

    test::type(edit(w, 7), QStringLiteral("7777"));
    edit(w, 8)->setText(QStringLiteral("旧名"));
    pressEnter(edit(w, 7));
    EXPECT_EQ(dialogs.last().text, QStringLiteral("引荐人卡号不存在！"));
    EXPECT_EQ(dialogs.last().title, QStringLiteral("提示"));
    EXPECT_EQ(edit(w, 8)->text(), QStringLiteral("旧名"));
    EXPECT_EQ(edit(w, 7)->text(), QStringLiteral("7777"));

    test::type(edit(w, 7), QStringLiteral("1001"));
    pressEnter(edit(w, 7));
    EXPECT_EQ(edit(w, 8)->text(), QStringLiteral("张三"));
    EXPECT_TRUE(edit(w, 8)->hasFocus());

    dialogs.clear();
    click(button(w, 1));
    EXPECT_EQ(dialogs.last().text, QStringLiteral("新增会员成功！"));
    EXPECT_EQ(dialogs.last().icon, ui::Icon::Information);

    const auto saved = rows(QStringLiteral(
        "select 职业,生日,会员卡号,会员姓名,性别,身份证号,会员生日,地址,固定电话,手机,引荐人卡号,"
        "引荐人姓名,起用日期,积分,口头挂失标志 from 会员卡信息 where 会员卡号='2001'"));
    ASSERT_EQ(saved.size(), 1);
    EXPECT_EQ(
        saved[0].mid(0, 13),
        (QStringList{"厨师", "5-12", "2001", "O'Brien", "男", "110101198005121234", "1980-05-12",
                     "中山路2号", "020-8888", "13700000000", "1001", "张三", "2026-12-11"}));
    EXPECT_EQ(saved[0][13].toDouble(), 0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from 会员卡信息 where 口头挂失标志=true")), 0);
    EXPECT_EQ(rows(QStringLiteral("select 卡号,姓名,团队成员卡号,团队成员姓名 from 团队")),
              (QList<QStringList>{{"1001", "张三", "2001", "O'Brien"}}));

    // Back to the opening state, but the occupation stays.
    for (int n = 1; n <= 8; ++n)
        EXPECT_TRUE(edit(w, n)->text().isEmpty()) << "Edit" << n;
    EXPECT_EQ(combo(w, 1)->currentText(), QStringLiteral("厨师"));
    EXPECT_EQ(combo(w, 2)->currentText(), QStringLiteral("男"));
    EXPECT_EQ(picker(w, 1)->date(), QDate(2026, 12, 11));
    EXPECT_TRUE(edit(w, 1)->hasFocus());

    // The name with a quote is found again by its card.
    auto m = modification();
    load(m.get(), QStringLiteral("2001"));
    EXPECT_EQ(edit(m.get(), 2)->text(), QStringLiteral("O'Brien"));
}

TEST_F(MembersTest, SavesWithoutReferrerWritesNoTeamRow)
{
    Txinhuiyuan* w = enrolment();
    ASSERT_NE(w, nullptr);
    fillNewMember(w, QStringLiteral("2002"), QStringLiteral("赵六"));
    edit(w, 8)->setText(QStringLiteral("某人"));
    click(button(w, 1));
    EXPECT_EQ(dialogs.last().text, QStringLiteral("新增会员成功！"));
    EXPECT_EQ(count(QStringLiteral("select count(*) from 会员卡信息 where 会员卡号='2002'")), 1);
    EXPECT_EQ(count(QStringLiteral("select count(*) from 团队")), 0);
}

TEST_F(MembersTest, OccupationListReloadsOnDropDown)
{
    member(QStringLiteral("1001"), QStringLiteral("张三"));
    Txinhuiyuan* w = enrolment();
    ASSERT_NE(w, nullptr);
    QComboBox* box = combo(w, 1);
    box->setEditText(QStringLiteral("半截"));
    box->showPopup();
    EXPECT_EQ(box->count(), 1);
    EXPECT_EQ(box->itemText(0), QStringLiteral("医生"));
    EXPECT_TRUE(box->currentText().isEmpty());
    box->hidePopup();
}

// --- modification -------------------------------------------------------------

TEST_F(MembersTest, ModificationRefusesRetiredMissingAndBlockedCards)
{
    retire(QStringLiteral("0999"));
    member(QStringLiteral("1002"), QStringLiteral("李四"), QString(), QString(), true);
    auto w = modification();
    struct Case {
        QString card, title, text;
    };
    const Case cases[] = {
        {QStringLiteral("0999"), QStringLiteral("系统提示"),
         QStringLiteral("此卡已经挂失，不能使用！")},
        {QStringLiteral("5555"), QStringLiteral("提示！"), QStringLiteral("此卡号不存在！")},
        {QStringLiteral("1002"), QStringLiteral("系统提示"),
         QStringLiteral("此卡已经口头挂失，不能使用!")},
    };
    for (const Case& c : cases) {
        dialogs.clear();
        load(w.get(), c.card);
        ASSERT_EQ(dialogs.boxes.size(), 1) << c.card.toStdString();
        EXPECT_EQ(dialogs.last().title, c.title);
        EXPECT_EQ(dialogs.last().text, c.text);
        EXPECT_EQ(dialogs.last().buttons, ui::Buttons::Ok);
        EXPECT_TRUE(edit(w.get(), 2)->text().isEmpty());
        EXPECT_FALSE(button(w.get(), 1)->isEnabled());
        EXPECT_FALSE(edit(w.get(), 1)->isReadOnly());
    }
}

TEST_F(MembersTest, ModificationUpdatesMemberAndOwnTeamLink)
{
    member(QStringLiteral("1001"), QStringLiteral("张三"));
    member(QStringLiteral("1005"), QStringLiteral("孙七"));
    member(QStringLiteral("2001"), QStringLiteral("钱八"), QStringLiteral("1001"),
           QStringLiteral("张三"));
    teamRow(QStringLiteral("1001"), QStringLiteral("张三"), QStringLiteral("2001"),
            QStringLiteral("钱八"));
    teamRow(QStringLiteral("2001"), QStringLiteral("钱八"), QStringLiteral("3001"),
            QStringLiteral("周九"));

    auto w = modification();
    load(w.get(), QStringLiteral("2001"));
    EXPECT_TRUE(dialogs.boxes.isEmpty());
    EXPECT_EQ(edit(w.get(), 2)->text(), QStringLiteral("钱八"));
    EXPECT_EQ(combo(w.get(), 2)->currentText(), QStringLiteral("女"));
    EXPECT_EQ(combo(w.get(), 1)->currentText(), QStringLiteral("医生"));
    EXPECT_EQ(picker(w.get(), 1)->date(), QDate(1980, 5, 12));
    EXPECT_EQ(picker(w.get(), 2)->date(), QDate(2025, 1, 1));
    EXPECT_EQ(edit(w.get(), 7)->text(), QStringLiteral("1001"));
    EXPECT_TRUE(edit(w.get(), 1)->isReadOnly());
    for (int b : {1, 2, 3})
        EXPECT_TRUE(button(w.get(), b)->isEnabled());
    EXPECT_TRUE(edit(w.get(), 2)->hasFocus());
    typeKeysInto(edit(w.get(), 1), QStringLiteral("9"));
    EXPECT_EQ(edit(w.get(), 1)->text(), QStringLiteral("2001")); // read-only while loaded
    pressEnter(edit(w.get(), 1));                                // reloads the same member
    EXPECT_TRUE(dialogs.boxes.isEmpty());
    EXPECT_TRUE(button(w.get(), 1)->isEnabled());

    test::type(edit(w.get(), 2), QStringLiteral("钱八改"));
    picker(w.get(), 1)->setDate(QDate(1981, 12, 25));
    test::type(edit(w.get(), 7), QStringLiteral("1005"));
    test::type(edit(w.get(), 8), QStringLiteral("孙七"));
    click(button(w.get(), 1));
    EXPECT_EQ(dialogs.last().text, QStringLiteral("修改成功！"));
    EXPECT_EQ(dialogs.last().title, QStringLiteral("提示"));

    EXPECT_EQ(
        rows(QStringLiteral("select 会员卡号,会员姓名,会员生日,生日,引荐人卡号,引荐人姓名,起用日期 "
                            "from 会员卡信息 where 会员卡号='2001'")),
        (QList<QStringList>{
            {"2001", "钱八改", "1981-12-25", "12-25", "1005", "孙七", "2025-01-01"}}));
    EXPECT_EQ(
        rows(QStringLiteral(
            "select 卡号,姓名,团队成员卡号,团队成员姓名 from 团队 order by 团队成员卡号")),
        (QList<QStringList>{{"1005", "孙七", "2001", "钱八改"}, {"2001", "钱八", "3001", "周九"}}));
    // Back to the empty state.
    EXPECT_FALSE(edit(w.get(), 1)->isReadOnly());
    EXPECT_TRUE(edit(w.get(), 1)->text().isEmpty());
    EXPECT_FALSE(button(w.get(), 1)->isEnabled());
    EXPECT_FALSE(button(w.get(), 2)->isEnabled());
}

TEST_F(MembersTest, ModificationCannotLoadAnUnreadableDate)
{
    member(QStringLiteral("2003"), QStringLiteral("吴十"));
    sql(QStringLiteral("update 会员卡信息 set 会员生日=null where 会员卡号='2003'"));
    auto w = modification();
    load(w.get(), QStringLiteral("2003"));
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_EQ(dialogs.last().title, ui::applicationTitle());
    EXPECT_EQ(edit(w.get(), 2)->text(), QStringLiteral("吴十")); // filled up to the date
    EXPECT_FALSE(button(w.get(), 1)->isEnabled());
    EXPECT_FALSE(edit(w.get(), 1)->isReadOnly());
}

TEST_F(MembersTest, ModificationAddsNoTeamRowWhereThereWasNone)
{
    member(QStringLiteral("1001"), QStringLiteral("张三"));
    member(QStringLiteral("2002"), QStringLiteral("赵六"));
    auto w = modification();
    load(w.get(), QStringLiteral("2002"));
    test::type(edit(w.get(), 7), QStringLiteral("1001"));
    test::type(edit(w.get(), 8), QStringLiteral("张三"));
    click(button(w.get(), 1));
    EXPECT_EQ(
        rows(QStringLiteral("select 引荐人卡号,引荐人姓名 from 会员卡信息 where 会员卡号='2002'")),
        (QList<QStringList>{{"1001", "张三"}}));
    EXPECT_EQ(count(QStringLiteral("select count(*) from 团队")), 0);
}

TEST_F(MembersTest, DeleteRemovesOnlyTheMemberRow)
{
    member(QStringLiteral("1001"), QStringLiteral("张三"));
    member(QStringLiteral("2001"), QStringLiteral("钱八"), QStringLiteral("1001"),
           QStringLiteral("张三"));
    teamRow(QStringLiteral("1001"), QStringLiteral("张三"), QStringLiteral("2001"),
            QStringLiteral("钱八"));
    teamRow(QStringLiteral("2001"), QStringLiteral("钱八"), QStringLiteral("3001"),
            QStringLiteral("周九"));
    sql(QStringLiteral(
        "insert into 流水记录(编号,会员卡号,会员姓名,增减积分,日期,时间,经手人) values "
        "('0000000001','2001','钱八',10,'2026-01-01','10:00:00','0001')"));
    sql(QStringLiteral(
        "insert into 消费记录(编号,会员卡号,会员姓名,消费金额,日期,时间,经手人) values "
        "('0000000001','2001','钱八',100,'2026-01-01','10:00:00','0001')"));
    sql(QStringLiteral(
        "insert into 口头挂失记录(会员卡号,会员姓名,口头挂失日期,口头挂失时间,挂失经手人) "
        "values ('2001','钱八','2026-03-04','09:00:00','0001')"));

    auto w = modification();
    load(w.get(), QStringLiteral("2001"));
    dialogs.answer(ui::Answer::Cancel);
    click(button(w.get(), 2));
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral("确实要删除该会员？该操作不可恢复！请谨慎操作！"));
    EXPECT_EQ(dialogs.last().buttons, ui::Buttons::OkCancel);
    EXPECT_EQ(count(QStringLiteral("select count(*) from 会员卡信息 where 会员卡号='2001'")), 1);

    click(button(w.get(), 2)); // answered OK
    EXPECT_EQ(dialogs.last().text, QStringLiteral("删除成功！"));
    EXPECT_EQ(count(QStringLiteral("select count(*) from 会员卡信息 where 会员卡号='2001'")), 0);
    EXPECT_EQ(count(QStringLiteral("select count(*) from 会员卡信息")), 1);
    EXPECT_EQ(count(QStringLiteral("select count(*) from 流水记录")), 1);
    EXPECT_EQ(count(QStringLiteral("select count(*) from 消费记录")), 1);
    EXPECT_EQ(count(QStringLiteral("select count(*) from 口头挂失记录")), 1);
    EXPECT_EQ(count(QStringLiteral("select count(*) from 团队")), 2);
    EXPECT_EQ(edit(w.get(), 2)->text(), QStringLiteral("钱八")); // still shown
    EXPECT_FALSE(edit(w.get(), 1)->isReadOnly());
    EXPECT_FALSE(button(w.get(), 1)->isEnabled());
}

// --- team view ----------------------------------------------------------------

TEST_F(MembersTest, TeamViewListsAndCountsAndExports)
{
    member(QStringLiteral("1001"), QStringLiteral("张三"));
    member(QStringLiteral("1009"), QStringLiteral("无团队"));
    teamRow(QStringLiteral("1001"), QStringLiteral("张三"), QStringLiteral("2001"),
            QStringLiteral("钱八"));
    teamRow(QStringLiteral("1001"), QStringLiteral("张三"), QStringLiteral("2002"),
            QStringLiteral("赵六"));
    teamRow(QStringLiteral("2001"), QStringLiteral("钱八"), QStringLiteral("3001"),
            QStringLiteral("周九"));
    const QString file = dir() + QStringLiteral("team");

    auto w = modification();
    load(w.get(), QStringLiteral("1001"));
    int shownRows = -1;
    QString footer, card, name;
    whenModal([&](QWidget* team) {
        auto* grid = find<ui::DBGridEh>(team, QStringLiteral("DBGridEh1"));
        shownRows = grid->rowCount();
        footer = grid->footerDisplay(0) + QLatin1Char('|') + grid->footerDisplay(1);
        card = edit(team, 1)->text();
        name = edit(team, 2)->text();
        dialogs.acceptFile(file, 2);
        click(button(team, 1));
        finish(team);
    });
    click(button(w.get(), 3));
    EXPECT_EQ(card, QStringLiteral("1001"));
    EXPECT_EQ(name, QStringLiteral("张三"));
    EXPECT_EQ(shownRows, 2);
    EXPECT_EQ(footer, QStringLiteral("合计人数|2"));
    EXPECT_EQ(dialogs.last().title, QStringLiteral("提示"));
    EXPECT_EQ(dialogs.last().text, QStringLiteral("导出数据成功！"));
    QFile csv(file + QStringLiteral(".csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QString written = os::fromGbk(csv.readAll()); // export files are in the ANSI code page
    EXPECT_TRUE(written.contains(QStringLiteral("\"2002\""))) << written.toStdString();
    EXPECT_TRUE(written.contains(QStringLiteral("合计人数")));

    // A card that referred nobody.
    auto empty = modification();
    load(empty.get(), QStringLiteral("1009"));
    whenModal([&](QWidget* team) {
        auto* grid = find<ui::DBGridEh>(team, QStringLiteral("DBGridEh1"));
        shownRows = grid->rowCount();
        footer = grid->footerDisplay(1);
        finish(team);
    });
    click(button(empty.get(), 3));
    EXPECT_EQ(shownRows, 0);
    EXPECT_EQ(footer, QStringLiteral("0"));
}

TEST_F(MembersTest, EnrolmentOpensModificationModally)
{
    Txinhuiyuan* w = enrolment();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->parentWidget()->windowTitle(), QStringLiteral("新增/修改会员信息"));
    QString title;
    bool disabled = false;
    whenModal([&](QWidget* modal) {
        title = modal->windowTitle();
        disabled = !button(modal, 1)->isEnabled() && !button(modal, 2)->isEnabled() &&
                   !button(modal, 3)->isEnabled();
        finish(modal);
    });
    click(button(w, 3));
    EXPECT_EQ(title, QStringLiteral("修改会员信息"));
    EXPECT_TRUE(disabled);
}
