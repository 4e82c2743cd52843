#include "harness/harness.h"

#include "app/mainfrm.h"
#include "app/schema.h"
#include "app/session.h"
#include "platform/db/dberror.h"
#include "platform/os/singleinstance.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>
#include <QToolButton>
#include <sys/wait.h>
#include <unistd.h>

using namespace test;

namespace
{

const QString AllFlags = QStringLiteral("'-1','-1','-1','-1','-1','-1','-1','-1','-1','-1','-1',"
                                        "'-1','-1','-1','-1','-1','-1','-1','-1','-1','-1'");
const QString NoFlags = QStringLiteral("'0','0','0','0','0','0','0','0','0','0','0',"
                                       "'0','0','0','0','0','0','0','0','0','0'");

class MainWindowTest : public AppTest
{
protected:
    void addOperator(const QString& code, const QString& password, const QString& flags)
    {
        sql(QStringLiteral("insert into 操作员([操作员],[姓名],[密码],[1],[2],[3],[4],[5],[6],[7],"
                           "[8],[9],[10],[11],[12],[13],[14],[15],[16],[17],[18],[19],[20],[21]) "
                           "values ('%1','测试','%2',%3)")
                .arg(code, password, flags));
    }

    // Drives the login with the given passwords in turn, pressing 进入 after each.
    TMAIN* startTrying(const QString& code, const QStringList& passwords)
    {
        return startDriving([code, passwords](QWidget* login) {
            login->findChild<QComboBox*>(QStringLiteral("cbusername"))->setEditText(code);
            auto* password = login->findChild<QLineEdit*>(QStringLiteral("edtpassword"));
            auto* enter = login->findChild<QAbstractButton*>(QStringLiteral("button1"));
            for (const QString& p : passwords) {
                if (!login->isVisible())
                    return;
                password->setText(p);
                enter->click();
            }
        });
    }
};

TEST_F(MainWindowTest, NewcomerStartsWithTheDeliveredDatabase)
{
    TMAIN* main = start();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->windowTitle(), QStringLiteral("蔚川石软件工作室vidodiraroreV5.0"));
    EXPECT_TRUE(main->isMaximized());
    EXPECT_EQ(find<QLabel>(main, "RzStatusPane1")->text(), QStringLiteral("当前用户为:0001"));
    EXPECT_EQ(find<QLabel>(main, "Label1")->text(), QStringLiteral("蔚川石软件工作室"));
    EXPECT_EQ(app::session().operatorCode, QStringLiteral("0001"));
    EXPECT_TRUE(dialogs.boxes.isEmpty());
}

TEST_F(MainWindowTest, AnUnopenableDatabaseEndsStartUpWithoutLogin)
{
    for (const bool wrongKey : {false, true}) {
        dialogs.clear();
        QFile::remove(dir() + "database/database.mdb");
        if (wrongKey)
            app::writeEmptyDatabase(dir() + "database/database.mdb", "another-password");
        bool loginShown = false;
        EXPECT_EQ(startDriving([&loginShown](QWidget*) { loginShown = true; }), nullptr);
        EXPECT_FALSE(loginShown);
        ASSERT_EQ(dialogs.boxes.size(), 1);
        EXPECT_EQ(dialogs.last().title, QStringLiteral("错误"));
        EXPECT_EQ(dialogs.last().text, QStringLiteral("无法连接到指定的数据库！请重试！"));
        EXPECT_EQ(dialogs.last().icon, ui::Icon::Error);
    }
}

TEST_F(MainWindowTest, CaptionFollowsTheShopNameSetting)
{
    struct Case {
        QString ini;
        QString caption;
    };
    const Case cases[] = {
        {"[程序参数]\r\n店铺名称=\r\n", "vidodiraroreV5.0"},
        {"[程序参数]\r\n广告语=欢迎\r\n", "蔚川石软件工作室vidodiraroreV5.0"},
        {"[程序参数]\r\n店铺名称=小南国\r\n", "小南国vidodiraroreV5.0"},
    };
    for (const Case& c : cases) {
        writeIni(c.ini);
        TMAIN* main = start();
        ASSERT_NE(main, nullptr);
        EXPECT_EQ(main->windowTitle(), c.caption);
        delete main;
    }
}

TEST_F(MainWindowTest, PermissionMapFollowsTheOperatorsFlags)
{
    addOperator("0002", "", NoFlags);
    addOperator("0003", "", AllFlags);
    const QStringList bound = {"会员消费记录", "操作人员及权限设置", "数据备份",
                               "增加积分",     "积分兑换",           "会员生日提醒",
                               "全部挂失记录", "积分手动清零"};
    const QStringList always = {"修改密码", "退出系统", "帮助", "关于"};
    for (const QString& code : {QStringLiteral("0002"), QStringLiteral("0003")}) {
        TMAIN* main = start(code);
        ASSERT_NE(main, nullptr);
        const bool all = code == QLatin1String("0003");
        for (const QString& item : bound)
            EXPECT_EQ(main->menuItem(item)->isEnabled(), all) << item.toStdString();
        for (const QString& item : always)
            EXPECT_TRUE(main->menuItem(item)->isEnabled()) << item.toStdString();
        for (const char* button :
             {"会员管理", "会员查询", "刷卡消费/增加积分", "积分兑换", "生日提醒"})
            EXPECT_EQ(main->toolButton(button)->isEnabled(), all);
        for (const char* button : {"系统帮助", "暂时离开", "退出"})
            EXPECT_TRUE(main->toolButton(button)->isEnabled());
        delete main;
    }
}

TEST_F(MainWindowTest, FiveWrongPasswordsEndTheProgramFourDoNot)
{
    addOperator("0002", "secret", AllFlags);
    EXPECT_EQ(startTrying("0002", {"a", "b", "c", "d", "e"}), nullptr);
    ASSERT_EQ(dialogs.boxes.size(), 5);
    EXPECT_EQ(dialogs.texts().count("密码错误，请重新输入！"), 4);
    EXPECT_EQ(dialogs.last().text, QStringLiteral("密码错误超过五次，软件将被关闭！"));

    dialogs.clear();
    EXPECT_NE(startTrying("0002", {"a", "b", "c", "d", "secret"}), nullptr);
    EXPECT_EQ(dialogs.boxes.size(), 4);
}

TEST_F(MainWindowTest, PasswordLettersIgnoreCaseButNothingElse)
{
    addOperator("ab01", "Pass1", AllFlags);
    struct Case {
        QString typed;
        bool logsIn;
    };
    const Case cases[] = {{"PASS1", true}, {"pass1", true}, {"Pass1 ", false}, {"Pass", false}};
    for (const Case& c : cases) {
        dialogs.clear();
        TMAIN* main = startTrying("AB01", {c.typed, c.typed, c.typed, c.typed, c.typed});
        EXPECT_EQ(main != nullptr, c.logsIn) << c.typed.toStdString();
        if (main) {
            EXPECT_EQ(app::session().operatorCode, QStringLiteral("ab01"));
            EXPECT_EQ(app::session().loginPassword, c.typed);
            delete main;
        }
    }
}

TEST_F(MainWindowTest, UnknownOperatorIsRefused)
{
    EXPECT_EQ(startDriving([](QWidget* login) {
                  login->findChild<QComboBox*>(QStringLiteral("cbusername"))->setEditText("9999");
                  login->findChild<QAbstractButton*>(QStringLiteral("button1"))->click();
                  EXPECT_TRUE(login->isVisible());
                  login->findChild<QAbstractButton*>(QStringLiteral("button2"))->click();
              }),
              nullptr);
    EXPECT_TRUE(dialogs.shown("不存在的用户！"));
}

TEST_F(MainWindowTest, QuitQuestionCancelKeepsTheProgram)
{
    TMAIN* main = start();
    ASSERT_NE(main, nullptr);
    dialogs.answer(ui::Answer::Cancel);
    main->close();
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(dialogs.last().text, QStringLiteral("确实要退出本系统吗？"));
    EXPECT_EQ(dialogs.last().title, QStringLiteral("系统提示"));
    EXPECT_EQ(dialogs.last().buttons, ui::Buttons::OkCancel);
    dialogs.answer(ui::Answer::Ok);
    main->close();
    EXPECT_FALSE(main->isVisible());
}

TEST_F(MainWindowTest, OpenOrActivateBringsTheSameWindowBack)
{
    TMAIN* main = start();
    ASSERT_NE(main, nullptr);
    QWidget* first = chooseMenu("修改密码");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->windowTitle(), QStringLiteral("修改密码"));
    auto* sub = qobject_cast<QMdiSubWindow*>(first->parentWidget());
    ASSERT_NE(sub, nullptr);
    sub->showMinimized();
    EXPECT_EQ(chooseMenu("修改密码"), first);
    EXPECT_FALSE(sub->isMinimized());
    EXPECT_EQ(main->frame()->subWindowList().size(), 1);
}

TEST_F(MainWindowTest, UncaughtEngineErrorShowsTheBoxAndTheProgramGoesOn)
{
    TMAIN* main = start();
    ASSERT_NE(main, nullptr);
    QTimer::singleShot(0, main, [] { throw db::DbError("no such table: 不存在"); });
    processEvents();
    ASSERT_FALSE(dialogs.boxes.isEmpty());
    EXPECT_EQ(dialogs.last().title, QStringLiteral("蔚川石vidodirarore"));
    EXPECT_EQ(dialogs.last().text, QStringLiteral("no such table: 不存在"));
    EXPECT_EQ(dialogs.last().icon, ui::Icon::Error);
    EXPECT_NE(chooseMenu("修改密码"), nullptr);
}

TEST(SingleInstance, SecondHolderIsRefusedAndACrashReleasesTheName)
{
    const QString name = QStringLiteral("huiyuan-test-%1").arg(getpid());
    {
        os::SingleInstance first(name);
        ASSERT_TRUE(first.acquired());
        os::SingleInstance second(name);
        EXPECT_FALSE(second.acquired());
    }
    const pid_t child = fork();
    if (child == 0) {
        os::SingleInstance held(name);
        _exit(held.acquired() ? 0 : 1); // dies without any clean-up
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    os::SingleInstance again(name);
    EXPECT_TRUE(again.acquired());
}

} // namespace
