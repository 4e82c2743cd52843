#include "harness/harness.h"

#include "app/dm1frm.h"
#include "app/hiddenforms.h"
#include "app/mainfrm.h"
#include "app/schema.h"
#include "app/session.h"
#include "platform/db/connection.h"
#include "platform/db/query.h"
#include "platform/os/appenv.h"
#include "platform/os/gbk.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <sqlite3.h>

namespace test
{

// --- scripted dialogs ---------------------------------------------------------

void ScriptedDialogs::acceptFile(const QString& path, int filterIndex)
{
    m_files << FileAnswer{true, path, filterIndex};
}

void ScriptedDialogs::cancelFile()
{
    m_files << FileAnswer{false, QString(), 0};
}

const ScriptedDialogs::Box& ScriptedDialogs::last() const
{
    static const Box none{QStringLiteral("<none>"), QStringLiteral("<no box shown>"),
                          ui::Icon::None, ui::Buttons::Ok};
    return boxes.isEmpty() ? none : boxes.last();
}

QStringList ScriptedDialogs::texts() const
{
    QStringList out;
    for (const Box& box : boxes)
        out << box.text;
    return out;
}

ui::Answer ScriptedDialogs::message(QWidget*, const QString& title, const QString& text,
                                    ui::Icon icon, ui::Buttons buttons)
{
    boxes << Box{title, text, icon, buttons};
    if (onBox) {
        auto handler = std::move(onBox);
        onBox = nullptr;
        handler(boxes.last());
    }
    if (buttons == ui::Buttons::Ok)
        return ui::Answer::Ok;
    if (!m_answers.isEmpty())
        return m_answers.takeFirst();
    return buttons == ui::Buttons::YesNo ? ui::Answer::Yes : ui::Answer::Ok;
}

bool ScriptedDialogs::fileDialog(QWidget*, ui::FileDialogRequest& request)
{
    fileRequests << request;
    if (m_files.isEmpty())
        return false;
    const FileAnswer answer = m_files.takeFirst();
    if (!answer.accept)
        return false;
    request.fileName = answer.path;
    if (answer.filterIndex > 0)
        request.filterIndex = answer.filterIndex;
    return true;
}

// --- fixture ------------------------------------------------------------------

AppTest::AppTest() = default;
AppTest::~AppTest() = default;

void AppTest::SetUp()
{
    m_dir = std::make_unique<QTemporaryDir>();
    ASSERT_TRUE(m_dir->isValid());
    os::setAppDir(m_dir->path());
    app::writeEmptyDatabase(dir() + QStringLiteral("database/database.mdb"),
                            TDM1::DatabasePassword);
    setNow(QDateTime(QDate(2026, 12, 11), QTime(10, 30, 0)));
    ui::setDialogService(&dialogs);
    app::session() = app::Session{};
}

void AppTest::TearDown()
{
    QList<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->parentWidget())
            windows << w;
    }
    for (const QPointer<QWidget>& w : windows)
        delete w.data();
    m_main = nullptr;
    processEvents();
    m_dm.reset();
    ui::setDialogService(nullptr);
    os::setFixedNow(QDateTime());
    os::setAppDir(QString());
    m_dir.reset();
}

QString AppTest::dir() const
{
    return m_dir->path() + QLatin1Char('/');
}

void AppTest::writeIni(const QString& body)
{
    QFile file(dir() + QStringLiteral("myini.ini"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(os::toGbk(body));
}

void AppTest::setNow(const QDateTime& moment)
{
    os::setFixedNow(moment);
}

TMAIN* AppTest::start(const QString& operatorCode, const QString& password)
{
    return startDriving([operatorCode, password](QWidget* login) {
        auto* combo = login->findChild<QComboBox*>(QStringLiteral("cbusername"));
        combo->setEditText(operatorCode);
        login->findChild<QLineEdit*>(QStringLiteral("edtpassword"))->setText(password);
        login->findChild<QAbstractButton*>(QStringLiteral("button1"))->click();
    });
}

TMAIN* AppTest::startDriving(std::function<void(QWidget*)> driveLogin)
{
    m_dm = std::make_unique<TDM1>();
    auto* main = new TMAIN;
    QPointer<QTimer> watch = whenModal(driveLogin);
    const bool loggedIn = main->initialise();
    delete watch.data();
    if (!loggedIn) {
        delete main;
        return nullptr;
    }
    app::createHiddenForms();
    main->showMaximized();
    QApplication::setActiveWindow(main);
    m_main = main;
    processEvents();
    return main;
}

QWidget* AppTest::chooseMenu(const QString& itemText)
{
    QAction* action = m_main ? m_main->menuItem(itemText) : nullptr;
    EXPECT_NE(action, nullptr) << "no menu item " << itemText.toStdString();
    if (!action)
        return nullptr;
    action->trigger();
    processEvents();
    QMdiSubWindow* sub = m_main->frame()->activeSubWindow();
    return sub ? sub->widget() : nullptr;
}

QTimer* AppTest::whenModal(std::function<void(QWidget*)> body)
{
    QPointer<QWidget> before = QApplication::activeModalWidget();
    auto* timer = new QTimer(qApp);
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, before, body] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == before.data() || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        body(modal);
    });
    timer->start();
    return timer;
}

namespace
{
struct DirectConnection {
    db::Connection connection;
    explicit DirectConnection(const QString& path)
    {
        connection.open(path, TDM1::DatabasePassword);
    }
};
} // namespace

void AppTest::sql(const QString& statement)
{
    DirectConnection c(TDM1::databasePath());
    db::Query q(c.connection);
    q.setSql(statement);
    q.execSql();
}

QList<QStringList> AppTest::rows(const QString& select)
{
    DirectConnection c(TDM1::databasePath());
    db::Query q(c.connection);
    q.setSql(select);
    q.open();
    QList<QStringList> out;
    for (q.first(); !q.eof(); q.next()) {
        QStringList row;
        for (const QString& field : q.fieldNames())
            row << q.asString(field);
        out << row;
    }
    return out;
}

QVariant AppTest::scalar(const QString& select)
{
    DirectConnection c(TDM1::databasePath());
    db::Query q(c.connection);
    q.setSql(select);
    q.open();
    return q.eof() ? QVariant() : q.value(0, 0);
}

// --- driving controls ---------------------------------------------------------

QWidget* findNamed(QWidget* root, const QString& name)
{
    if (!root)
        return nullptr;
    if (root->objectName() == name)
        return root;
    return root->findChild<QWidget*>(name);
}

namespace
{
QWidget* keyTarget(QWidget* box)
{
    if (auto* combo = qobject_cast<QComboBox*>(box); combo && combo->lineEdit())
        return combo->lineEdit();
    return box;
}
// Key by key, as a keyboard or card reader types; characters QTest has no key
// for (Chinese) arrive as key events carrying just their text.
void sendKeys(QWidget* target, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f) {
            QTest::keyClick(target, char(c.unicode()));
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
    }
}
} // namespace

void type(QWidget* box, const QString& text)
{
    QWidget* target = keyTarget(box);
    if (auto* edit = qobject_cast<QLineEdit*>(target))
        edit->clear();
    sendKeys(target, text);
    processEvents();
}

void typeKeys(QWidget* box, const QString& keys)
{
    sendKeys(keyTarget(box), keys);
    processEvents();
}

void pressEnter(QWidget* w)
{
    QTest::keyClick(keyTarget(w), Qt::Key_Return);
    processEvents();
}

void click(QAbstractButton* button)
{
    ASSERT_NE(button, nullptr);
    if (button->isEnabled())
        button->click();
    processEvents();
}

void leaveFocus(QWidget* from, QWidget* to)
{
    if (QWidget* window = from->window())
        QApplication::setActiveWindow(window);
    from->setFocus();
    processEvents();
    to->setFocus();
    processEvents();
}

void processEvents()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

} // namespace test
