#include "harness/harness.h"

#include "app/mainfrm.h"
#include "app/session.h"
#include "operators/caozuorenyuanfrm.h"
#include "operators/guaqi1.h"
#include "operators/xinzengcaozuorenyuanfrm.h"
#include "operators/xiugaicaozuoyuanfrm.h"
#include "operators/xiugaimimafrm.h"
#include "platform/ui/stringgrid.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using test::click;
using test::find;
using test::type;

namespace
{

const QString ListItem = QStringLiteral("操作人员及权限设置");

QString flagColumns()
{
    QStringList columns;
    for (int flag = 1; flag <= 21; ++flag)
        columns << QStringLiteral("[%1]").arg(flag);
    return columns.join(QLatin1Char(','));
}

QStringList allFlags(const QString& text)
{
    return QStringList(QList<QString>(21, text));
}

QStringList ticked(QWidget* window)
{
    QStringList out;
    for (int flag = 1; flag <= 21; ++flag)
        out << (find<QCheckBox>(window, QStringLiteral("CheckBox%1").arg(flag))->isChecked()
                    ? QStringLiteral("-1")
                    : QStringLiteral("0"));
    return out;
}

QStringList gridCodes(QWidget* list)
{
    auto* grid = find<ui::AdvStringGrid>(list, QStringLiteral("AdvStringGrid1"));
    QStringList codes;
    for (int row = 1; row < grid->rowCountTotal(); ++row)
        codes << grid->cells(0, row);
    return codes;
}

// Closes a modal window the test left open, so a failed check cannot hang the run.
void finish(QWidget* modal)
{
    if (auto* dialog = qobject_cast<QDialog*>(modal); dialog && dialog->isVisible())
        dialog->done(0);
}

} // namespace

class OperatorsTest : public test::AppTest
{
protected:
    // Adds operators straight into the table: code, name, password, flags ticked.
    void addRow(const QString& code, const QString& name, const QString& password,
                const QList<int>& flags = {})
    {
        QStringList values = allFlags(QStringLiteral("0"));
        for (int flag : flags)
            values[flag - 1] = QStringLiteral("-1");
        sql(QStringLiteral("insert into 操作员(操作员,姓名,密码,%1) values('%2','%3','%4',%5)")
                .arg(flagColumns(), code, name, password, values.join(QLatin1Char(','))));
    }

    QStringList storedFlags(const QString& code)
    {
        const auto found = rows(
            QStringLiteral("select %1 from 操作员 where 操作员='%2'").arg(flagColumns(), code));
        return found.isEmpty() ? QStringList() : found.first();
    }

    QStringList storedRow(const QString& code)
    {
        const auto found =
            rows(QStringLiteral("select 姓名,密码 from 操作员 where 操作员='%1'").arg(code));
        return found.isEmpty() ? QStringList() : found.first();
    }

    Tcaozuorenyuan* openList()
    {
        auto* list = openChild<Tcaozuorenyuan>(ListItem);
        EXPECT_NE(list, nullptr);
        return list;
    }

    QWidget* activeChild() const
    {
        QMdiSubWindow* sub = mainWindow()->frame()->activeSubWindow();
        return sub ? sub->widget() : nullptr;
    }

    Txinzengcaozuorenyuan* openAdd(Tcaozuorenyuan* list)
    {
        click(find<QPushButton>(list, QStringLiteral("BitBtn1")));
        auto* add = dynamic_cast<Txinzengcaozuorenyuan*>(activeChild());
        EXPECT_NE(add, nullptr);
        return add;
    }

    void fill(QWidget* form, const QString& code, const QString& name, const QString& password,
              const QString& again)
    {
        type(find<QLineEdit>(form, QStringLiteral("Edit1")), code);
        // Names are Chinese, which key clicks cannot produce: put in as an input method does.
        find<QLineEdit>(form, QStringLiteral("Edit2"))->setText(name);
        type(find<QLineEdit>(form, QStringLiteral("Edit3")), password);
        type(find<QLineEdit>(form, QStringLiteral("Edit4")), again);
    }

    void selectRow(QWidget* list, const QString& code)
    {
        auto* grid = find<ui::AdvStringGrid>(list, QStringLiteral("AdvStringGrid1"));
        const int row = int(gridCodes(list).indexOf(code)) + 1;
        ASSERT_GT(row, 0) << "no row " << code.toStdString();
        grid->setCurrentGridRow(row);
    }

    // Runs the modify window for the row of code; body drives it while it is up.
    void modify(QWidget* list, const QString& code, std::function<void(QWidget*)> body)
    {
        selectRow(list, code);
        bool ran = false;
        QPointer<QTimer> watch = whenModal([&](QWidget* modal) {
            ran = true;
            body(modal);
            finish(modal);
        });
        click(find<QPushButton>(list, QStringLiteral("BitBtn2")));
        EXPECT_TRUE(ran);
        delete watch.data(); // a window that never came must not be waited for later
    }
};

TEST_F(OperatorsTest, AddsOperatorsWithAllFlagsAndWithNone)
{
    ASSERT_NE(start(), nullptr);
    auto* list = openList();
    auto* add = openAdd(list);
    auto* toggle = find<QPushButton>(add, QStringLiteral("Button1"));

    fill(add, QStringLiteral("0002"), QStringLiteral("张三"), QStringLiteral("pw"),
         QStringLiteral("pw"));
    click(toggle);
    EXPECT_EQ(toggle->text(), QStringLiteral("全清"));
    click(find<QPushButton>(add, QStringLiteral("BitBtn1")));

    EXPECT_EQ(dialogs.last().text, QStringLiteral("新增操作人员成功！"));
    EXPECT_EQ(dialogs.last().title, QStringLiteral("提示"));
    EXPECT_EQ(dialogs.last().icon, ui::Icon::Information);
    EXPECT_EQ(storedRow(QStringLiteral("0002")), (QStringList{"张三", "pw"}));
    EXPECT_EQ(storedFlags(QStringLiteral("0002")), allFlags(QStringLiteral("-1")));
    // The form is reset for the next operator; the toggle keeps its text.
    EXPECT_EQ(find<QLineEdit>(add, QStringLiteral("Edit1"))->text(), QString());
    EXPECT_EQ(ticked(add), allFlags(QStringLiteral("0")));
    EXPECT_EQ(toggle->text(), QStringLiteral("全清"));

    // A second press clears all again; name and password may both be empty.
    click(toggle);
    EXPECT_EQ(toggle->text(), QStringLiteral("全选"));
    fill(add, QStringLiteral("0003"), QString(), QString(), QString());
    click(find<QPushButton>(add, QStringLiteral("BitBtn1")));
    EXPECT_EQ(storedRow(QStringLiteral("0003")), (QStringList{"", ""}));
    EXPECT_EQ(storedFlags(QStringLiteral("0003")), allFlags(QStringLiteral("0")));

    // The list shows both at once, with the first operator selected.
    EXPECT_EQ(gridCodes(list), (QStringList{"0001", "0002", "0003"}));
    EXPECT_EQ(find<ui::AdvStringGrid>(list, QStringLiteral("AdvStringGrid1"))->currentGridRow(), 1);
}

TEST_F(OperatorsTest, AddRefusesInvalidInputInOrder)
{
    addRow(QStringLiteral("abc"), QStringLiteral("李四"), QString());
    ASSERT_NE(start(), nullptr);
    auto* add = openAdd(openList());
    auto* edit1 = find<QLineEdit>(add, QStringLiteral("Edit1"));
    auto* edit3 = find<QLineEdit>(add, QStringLiteral("Edit3"));
    auto* edit4 = find<QLineEdit>(add, QStringLiteral("Edit4"));
    auto* save = find<QPushButton>(add, QStringLiteral("BitBtn1"));

    struct Case {
        QString code, password, again, message;
    };
    const QList<Case> cases = {
        {"", "a", "b", "编号不能为空！"},       {"0001", "a", "a", "此编号已经存在！"},
        {"ABC", "a", "a", "此编号已经存在！"}, // the table compares codes without case
        {"Abc", "a", "b", "此编号已经存在！"}, // the code is checked before the passwords
        {"0009", "a", "A", "两次密码不一致！"}, {"0009", "a", "a ", "两次密码不一致！"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code.toStdString() + "/" + c.again.toStdString());
        dialogs.clear();
        fill(add, c.code, QStringLiteral("王五"), c.password, c.again);
        click(save);
        EXPECT_EQ(dialogs.texts(), QStringList{c.message});
        EXPECT_EQ(dialogs.last().title, QStringLiteral("提示"));
        EXPECT_EQ(dialogs.last().icon, ui::Icon::Error);
        const bool passwordFault = c.message == QStringLiteral("两次密码不一致！");
        EXPECT_EQ(edit1->text(), passwordFault ? c.code : QString());
        EXPECT_EQ(edit3->text().isEmpty(), passwordFault);
        EXPECT_EQ(edit4->text().isEmpty(), passwordFault);
        EXPECT_EQ(count(QStringLiteral("select count(*) from 操作员")), 2);
    }
}

TEST_F(OperatorsTest, EnterMovesAlongTheBoxesToSaveWithoutPressingIt)
{
    ASSERT_NE(start(), nullptr);
    auto* add = openAdd(openList());
    QApplication::setActiveWindow(mainWindow());
    const QStringList order = {"Edit1", "Edit2", "Edit3", "Edit4", "BitBtn1"};
    find<QLineEdit>(add, QStringLiteral("Edit1"))->setFocus();
    type(find<QLineEdit>(add, QStringLiteral("Edit1")), QStringLiteral("0005"));
    for (int i = 0; i + 1 < order.size(); ++i) {
        auto* from = find<QWidget>(add, order[i]);
        test::pressEnter(from);
        EXPECT_EQ(QApplication::focusWidget(), find<QWidget>(add, order[i + 1])) << i;
    }
    EXPECT_TRUE(dialogs.boxes.isEmpty());
    EXPECT_EQ(count(QStringLiteral("select count(*) from 操作员")), 1);
}

TEST_F(OperatorsTest, NewOperatorLogsInWithTheSavedFlags)
{
    ASSERT_NE(start(), nullptr);
    auto* add = openAdd(openList());
    // A quote is an ordinary character of a name or password.
    fill(add, QStringLiteral("0002"), QStringLiteral("O'Neil"), QStringLiteral("k'1"),
         QStringLiteral("k'1"));
    for (int flag : {1, 13, 15})
        click(find<QCheckBox>(add, QStringLiteral("CheckBox%1").arg(flag)));
    click(find<QPushButton>(add, QStringLiteral("BitBtn1")));
    ASSERT_EQ(storedRow(QStringLiteral("0002")), (QStringList{"O'Neil", "k'1"}));

    delete mainWindow();
    TMAIN* main = start(QStringLiteral("0002"), QStringLiteral("k'1"));
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(app::session().operatorCode, QStringLiteral("0002"));
    EXPECT_TRUE(main->menuItem(ListItem)->isEnabled());
    EXPECT_TRUE(main->menuItem(QStringLiteral("增加积分"))->isEnabled());
    EXPECT_TRUE(main->toolButton(QStringLiteral("刷卡消费/增加积分"))->isEnabled());
    EXPECT_FALSE(main->menuItem(QStringLiteral("数据备份"))->isEnabled());
    EXPECT_FALSE(main->toolButton(QStringLiteral("积分兑换"))->isEnabled());
    // The list shows the flags of the first operator, then of the one double-clicked.
    auto* list = openList();
    EXPECT_EQ(ticked(list), allFlags(QStringLiteral("-1")));
    auto* grid = find<ui::AdvStringGrid>(list, QStringLiteral("AdvStringGrid1"));
    const int row = int(gridCodes(list).indexOf(QStringLiteral("0002"))) + 1;
    emit grid->cellDoubleClicked(row, 0);
    EXPECT_EQ(grid->currentGridRow(), row);
    EXPECT_EQ(ticked(list), storedFlags(QStringLiteral("0002")));
    EXPECT_EQ(find<QCheckBox>(list, QStringLiteral("CheckBox7"))->text(),
              QStringLiteral("会员消费类型类别设置"));
}

TEST_F(OperatorsTest, ModifyNeedsThePasswordAgainOnlyWhenOneIsStored)
{
    addRow(QStringLiteral("0002"), QStringLiteral("张三"), QString(), {2});
    addRow(QStringLiteral("0003"), QStringLiteral("李四"), QStringLiteral("Old"), {5});
    ASSERT_NE(start(), nullptr);
    auto* list = openList();

    // No stored password: 保存 passes with 重复密码 left empty.
    modify(list, QStringLiteral("0002"), [&](QWidget* dlg) {
        EXPECT_EQ(dlg->windowTitle(), QStringLiteral("修改操作人员"));
        EXPECT_TRUE(find<QLineEdit>(dlg, QStringLiteral("Edit1"))->isReadOnly());
        EXPECT_EQ(find<QLineEdit>(dlg, QStringLiteral("Edit2"))->text(), QStringLiteral("张三"));
        EXPECT_TRUE(find<QCheckBox>(dlg, QStringLiteral("CheckBox2"))->isChecked());
        find<QLineEdit>(dlg, QStringLiteral("Edit2"))->setText(QStringLiteral("张三丰"));
        click(find<QPushButton>(dlg, QStringLiteral("Button1")));
        click(find<QPushButton>(dlg, QStringLiteral("BitBtn1")));
        EXPECT_FALSE(dlg->isVisible());
    });
    EXPECT_EQ(dialogs.last().text, QStringLiteral("修改操作人员成功！请牢记编号和密码！"));
    EXPECT_EQ(dialogs.last().icon, ui::Icon::Information);
    EXPECT_EQ(storedRow(QStringLiteral("0002")), (QStringList{"张三丰", ""}));
    EXPECT_EQ(storedFlags(QStringLiteral("0002")), allFlags(QStringLiteral("-1")));

    // A stored password must be typed again; the refusal empties both boxes.
    dialogs.clear();
    modify(list, QStringLiteral("0003"), [&](QWidget* dlg) {
        auto* edit3 = find<QLineEdit>(dlg, QStringLiteral("Edit3"));
        EXPECT_EQ(edit3->text(), QStringLiteral("Old"));
        EXPECT_EQ(find<QLineEdit>(dlg, QStringLiteral("Edit4"))->text(), QString());
        // The same window as before: its toggle still reads 全清.
        auto* toggle = find<QPushButton>(dlg, QStringLiteral("Button1"));
        EXPECT_EQ(toggle->text(), QStringLiteral("全清"));
        click(toggle);
        click(find<QPushButton>(dlg, QStringLiteral("BitBtn1")));
        EXPECT_EQ(dialogs.texts(), QStringList{"两次密码不一致！"});
        EXPECT_TRUE(edit3->text().isEmpty());
        EXPECT_TRUE(dlg->isVisible());
        type(edit3, QStringLiteral("New"));
        type(find<QLineEdit>(dlg, QStringLiteral("Edit4")), QStringLiteral("New"));
        click(find<QCheckBox>(dlg, QStringLiteral("CheckBox21")));
        click(find<QPushButton>(dlg, QStringLiteral("BitBtn1")));
    });
    EXPECT_EQ(storedRow(QStringLiteral("0003")), (QStringList{"李四", "New"}));
    QStringList expected = allFlags(QStringLiteral("0"));
    expected[20] = QStringLiteral("-1");
    EXPECT_EQ(storedFlags(QStringLiteral("0003")), expected);
    EXPECT_EQ(count(QStringLiteral("select count(*) from 操作员")), 3);
    // The list re-read the table after the window closed.
    auto* grid = find<ui::AdvStringGrid>(list, QStringLiteral("AdvStringGrid1"));
    EXPECT_EQ(grid->cells(1, 2), QStringLiteral("张三丰"));
    EXPECT_EQ(grid->currentGridRow(), 1);
}

TEST_F(OperatorsTest, AdministratorCannotBeModifiedNorDeleted)
{
    ASSERT_NE(start(), nullptr);
    auto* list = openList();
    selectRow(list, QStringLiteral("0001"));
    click(find<QPushButton>(list, QStringLiteral("BitBtn2")));
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral("对不起！系统管理员的信息不能修改！如要修改密码，请点击“密码修改”！"));
    EXPECT_EQ(dialogs.last().icon, ui::Icon::Error);
    EXPECT_FALSE(Txiugaicaozuoyuan::instance()->isVisible());

    click(find<QPushButton>(list, QStringLiteral("BitBtn3")));
    EXPECT_EQ(dialogs.texts().last(), QStringLiteral("对不起！系统管理员不能删除！"));
    EXPECT_EQ(dialogs.boxes.size(), 2); // refused before the question
    EXPECT_EQ(count(QStringLiteral("select count(*) from 操作员 where 操作员='0001'")), 1);
}

TEST_F(OperatorsTest, RenamedAdministratorIsStillNotModifiedButMayBeDeleted)
{
    sql(QStringLiteral("update 操作员 set 姓名='老板' where 操作员='0001'"));
    ASSERT_NE(start(), nullptr);
    auto* list = openList();
    selectRow(list, QStringLiteral("0001"));
    click(find<QPushButton>(list, QStringLiteral("BitBtn2")));
    EXPECT_EQ(dialogs.last().text,
              QStringLiteral("对不起！系统管理员的信息不能修改！如要修改密码，请点击“密码修改”！"));
    dialogs.clear();
    click(find<QPushButton>(list, QStringLiteral("BitBtn3")));
    EXPECT_EQ(dialogs.texts(),
              (QStringList{"确实删除记录？该操作不可恢复！", "删除操作人员成功！"}));
    EXPECT_EQ(count(QStringLiteral("select count(*) from 操作员")), 0);
    EXPECT_EQ(gridCodes(list), QStringList{""}); // the one empty row of an empty grid
}

TEST_F(OperatorsTest, DeletesTheChosenOperatorAfterConfirmation)
{
    addRow(QStringLiteral("0002"), QStringLiteral("张三"), QString());
    addRow(QStringLiteral("0003"), QStringLiteral("李四"), QString());
    ASSERT_NE(start(), nullptr);
    auto* list = openList();

    selectRow(list, QStringLiteral("0003"));
    dialogs.answer(ui::Answer::Cancel);
    click(find<QPushButton>(list, QStringLiteral("BitBtn3")));
    EXPECT_EQ(dialogs.last().title, QStringLiteral("删除记录"));
    EXPECT_EQ(dialogs.last().buttons, ui::Buttons::OkCancel);
    EXPECT_EQ(count(QStringLiteral("select count(*) from 操作员")), 3);

    // The closing question uncovers the list, which re-selects its first row:
    // the operator chosen before the question is still the one deleted.
    selectRow(list, QStringLiteral("0003"));
    dialogs.clear();
    dialogs.onBox = [list](const test::ScriptedDialogs::Box&) {
        QEvent uncovered(QEvent::WindowActivate);
        QApplication::sendEvent(list, &uncovered);
    };
    click(find<QPushButton>(list, QStringLiteral("BitBtn3")));
    EXPECT_EQ(dialogs.texts(),
              (QStringList{"确实删除记录？该操作不可恢复！", "删除操作人员成功！"}));
    EXPECT_EQ(dialogs.last().icon, ui::Icon::Information);
    EXPECT_EQ(rows(QStringLiteral("select 操作员 from 操作员 order by 操作员")),
              (QList<QStringList>{{"0001"}, {"0002"}}));
    EXPECT_EQ(gridCodes(list), (QStringList{"0001", "0002"}));
}

TEST_F(OperatorsTest, ListShowsTheTableWhenBroughtForwardButNotFromPainting)
{
    ASSERT_NE(start(), nullptr);
    auto* list = openList();
    openAdd(list); // now in front of the list
    addRow(QStringLiteral("0007"), QStringLiteral("外部"), QString(), {3});
    EXPECT_EQ(gridCodes(list), QStringList{"0001"});
    EXPECT_EQ(openList(), list);
    EXPECT_EQ(gridCodes(list), (QStringList{"0001", "0007"}));

    // Painting leaves the operator's choice alone.
    selectRow(list, QStringLiteral("0007"));
    list->repaint();
    test::processEvents();
    EXPECT_EQ(find<ui::AdvStringGrid>(list, QStringLiteral("AdvStringGrid1"))->currentGridRow(), 2);
}

class PasswordTest : public OperatorsTest
{
protected:
    Txiugaimima* openPasswordWindow()
    {
        auto* window = openChild<Txiugaimima>(QStringLiteral("修改密码"));
        EXPECT_NE(window, nullptr);
        return window;
    }

    void change(QWidget* window, const QString& oldPassword, const QString& fresh,
                const QString& again)
    {
        type(find<QLineEdit>(window, QStringLiteral("Edit2")), oldPassword);
        type(find<QLineEdit>(window, QStringLiteral("Edit3")), fresh);
        type(find<QLineEdit>(window, QStringLiteral("Edit4")), again);
        click(find<QPushButton>(window, QStringLiteral("BitBtn1")));
    }
};

TEST_F(PasswordTest, ChecksOldPasswordExactlyAndNewPasswordsAlike)
{
    addRow(QStringLiteral("0002"), QStringLiteral("张三"), QStringLiteral("Abc"));
    ASSERT_NE(start(QStringLiteral("0002"), QStringLiteral("aBC")), nullptr);
    auto* window = openPasswordWindow();
    auto* edit1 = find<QLineEdit>(window, QStringLiteral("Edit1"));
    EXPECT_EQ(edit1->text(), QStringLiteral("0002"));
    EXPECT_FALSE(edit1->isEnabled());

    struct Case {
        QString oldPassword, fresh, again, title, message;
    };
    const QList<Case> cases = {
        {"aBC", "x", "x", "错误！", "旧密码不正确！"}, // what was typed at login is not enough
        {"Abc ", "x", "x", "错误！", "旧密码不正确！"},
        {"Abc", "x", "X", "错误！", "两次密码不一致！"},
        {"Abc", "it's", "it's", "提示！", "修改成功！"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.oldPassword.toStdString() + "/" + c.again.toStdString());
        dialogs.clear();
        change(window, c.oldPassword, c.fresh, c.again);
        EXPECT_EQ(dialogs.texts(), QStringList{c.message});
        EXPECT_EQ(dialogs.last().title, c.title);
        // Nothing is emptied and the window stays.
        EXPECT_EQ(find<QLineEdit>(window, QStringLiteral("Edit4"))->text(), c.again);
    }
    EXPECT_EQ(activeChild(), window);
    EXPECT_EQ(storedRow(QStringLiteral("0002")), (QStringList{"张三", "it's"}));
}

TEST_F(PasswordTest, AdministratorSetsAPasswordAndLogsInWithIt)
{
    ASSERT_NE(start(), nullptr);
    change(openPasswordWindow(), QString(), QStringLiteral("s3cret"), QStringLiteral("s3cret"));
    EXPECT_EQ(dialogs.last().text, QStringLiteral("修改成功！"));
    EXPECT_EQ(dialogs.last().icon, ui::Icon::Information);
    EXPECT_EQ(storedRow(QStringLiteral("0001")), (QStringList{"系统管理员", "s3cret"}));

    delete mainWindow();
    ASSERT_NE(start(QStringLiteral("0001"), QStringLiteral("s3cret")), nullptr);
    EXPECT_EQ(app::session().loginPassword, QStringLiteral("s3cret"));
}

class LockTest : public OperatorsTest
{
protected:
    // Presses the toolbar's 暂时离开 and drives the lock window while it is up.
    void lockScreen(std::function<void(Tguaqi*)> body)
    {
        bool ran = false;
        QPointer<QTimer> watch = whenModal([&](QWidget* modal) {
            ran = true;
            auto* lock = qobject_cast<Tguaqi*>(modal);
            EXPECT_NE(lock, nullptr);
            if (lock)
                body(lock);
            finish(modal);
        });
        click(mainWindow()->toolButton(QStringLiteral("暂时离开")));
        EXPECT_TRUE(ran);
        delete watch.data();
        EXPECT_EQ(mainWindow()->findChild<Tguaqi*>(), nullptr); // destroyed when closed
    }

    static void press(Tguaqi* lock, const char* button, const QString& password)
    {
        type(find<QLineEdit>(lock, QStringLiteral("Edit1")), password);
        click(find<QPushButton>(lock, QString::fromLatin1(button)));
    }
};

TEST_F(LockTest, LocksAndWakesOnlyWithThePasswordTypedAtLogin)
{
    addRow(QStringLiteral("0002"), QStringLiteral("张三"), QStringLiteral("Secret"));
    ASSERT_NE(start(QStringLiteral("0002"), QStringLiteral("secret")), nullptr);
    // Changed since the login: the lock still wants what was typed then.
    sql(QStringLiteral("update 操作员 set 密码='other' where 操作员='0002'"));

    lockScreen([&](Tguaqi* lock) {
        auto* wake = find<QPushButton>(lock, QStringLiteral("BitBtn3"));
        EXPECT_EQ(lock->windowTitle(), QStringLiteral("暂时离开"));
        EXPECT_FALSE(wake->isVisible());

        for (const QString& wrong : {QStringLiteral("Secret"), QStringLiteral("other")}) {
            press(lock, "BitBtn1", wrong);
            EXPECT_EQ(dialogs.last().text, QStringLiteral("对不起，密码错误！"));
            EXPECT_FALSE(lock->isLocked());
        }

        press(lock, "BitBtn1", QStringLiteral("secret"));
        EXPECT_TRUE(lock->isLocked());
        EXPECT_EQ(lock->windowTitle(), QStringLiteral("唤醒系统"));
        EXPECT_TRUE(wake->isVisible());
        EXPECT_FALSE(find<QPushButton>(lock, QStringLiteral("BitBtn1"))->isVisible());
        EXPECT_FALSE(find<QPushButton>(lock, QStringLiteral("BitBtn2"))->isVisible());
        EXPECT_EQ(find<QLineEdit>(lock, QStringLiteral("Edit1"))->text(), QString());

        // Neither Esc nor the window system's close request ends the lock.
        QTest::keyClick(lock, Qt::Key_Escape);
        EXPECT_FALSE(lock->close());
        EXPECT_TRUE(lock->isVisible());

        dialogs.clear();
        press(lock, "BitBtn3", QStringLiteral("Secret"));
        EXPECT_EQ(dialogs.texts(), QStringList{"对不起，密码错误！"});
        EXPECT_TRUE(lock->isVisible());
        EXPECT_EQ(find<QLineEdit>(lock, QStringLiteral("Edit1"))->text(), QStringLiteral("Secret"));

        press(lock, "BitBtn3", QStringLiteral("secret"));
        EXPECT_EQ(dialogs.last().text, QStringLiteral("系统已被成功唤醒！"));
        EXPECT_EQ(dialogs.last().icon, ui::Icon::Information);
        EXPECT_FALSE(lock->isVisible());
    });
}

TEST_F(LockTest, CancelClosesWithoutLocking)
{
    ASSERT_NE(start(), nullptr);
    lockScreen([&](Tguaqi* lock) {
        type(find<QLineEdit>(lock, QStringLiteral("Edit1")), QStringLiteral("x"));
        click(find<QPushButton>(lock, QStringLiteral("BitBtn2")));
        EXPECT_FALSE(lock->isVisible());
    });
    EXPECT_TRUE(dialogs.boxes.isEmpty());

    // A new window each time, empty and unlocked; the administrator's empty
    // login password locks and wakes it.
    lockScreen([&](Tguaqi* lock) {
        EXPECT_EQ(find<QLineEdit>(lock, QStringLiteral("Edit1"))->text(), QString());
        press(lock, "BitBtn1", QString());
        EXPECT_TRUE(lock->isLocked());
        press(lock, "BitBtn3", QString());
        EXPECT_FALSE(lock->isVisible());
    });
}
