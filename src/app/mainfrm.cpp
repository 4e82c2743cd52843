#include "app/mainfrm.h"

#include "app/dm1frm.h"
#include "app/guanyu.h"
#include "app/mainhooks.h"
#include "app/menutable.h"
#include "app/navigation.h"
#include "operators/guaqi1.h"
#include "operators/login.h"
#include "platform/os/appenv.h"
#include "platform/os/inifile.h"
#include "platform/os/regional.h"
#include "platform/os/shellopen.h"
#include "platform/ui/childform.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/fonts.h"
#include "platform/ui/marquee.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>

namespace
{
TMAIN* g_main = nullptr;
const QString SystemName = QStringLiteral("vidodiraroreV5.0");
const QString DefaultShopName = QStringLiteral("蔚川石软件工作室");
} // namespace

TMAIN::TMAIN()
{
    g_main = this;
    setObjectName(QStringLiteral("TMAIN"));
    setFont(ui::cjkFont(QStringLiteral("宋体"), 13));
    buildFrame();
    buildMenu();
    buildToolbar();
    buildStatusBar();
    m_reminderTimer.setObjectName(QStringLiteral("Timer1"));
    m_reminderTimer.setInterval(100);
    m_reminderTimer.setSingleShot(true);
    connect(&m_reminderTimer, &QTimer::timeout, this,
            [this] { runMenuItem(QStringLiteral("会员生日提醒")); });
}

TMAIN::~TMAIN()
{
    if (g_main == this)
        g_main = nullptr;
}

TMAIN* TMAIN::instance()
{
    return g_main;
}

void TMAIN::buildFrame()
{
    m_frame = new QMdiArea(this);
    m_frame->setObjectName(QStringLiteral("MDIClient"));
    setCentralWidget(m_frame);
    QWidget* back = m_frame->viewport();
    back->installEventFilter(this);
    m_image = new QLabel(back);
    m_image->setObjectName(QStringLiteral("Image1"));
    m_image->setScaledContents(true);
    const QFont labelFont = ui::cjkFont(QStringLiteral("华文行楷"), 60);
    m_shopLabel = new QLabel(back);
    m_shopLabel->setObjectName(QStringLiteral("Label1"));
    m_systemLabel = new QLabel(QStringLiteral("vidodirarore"), back);
    m_systemLabel->setObjectName(QStringLiteral("Label2"));
    for (QLabel* label : {m_shopLabel, m_systemLabel}) {
        label->setFont(labelFont);
        label->setStyleSheet(QStringLiteral("color: teal; background: transparent;"));
        label->setAlignment(Qt::AlignCenter);
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

void TMAIN::buildMenu()
{
    menuBar()->setObjectName(QStringLiteral("MainMenu1"));
    QHash<QString, QMenu*> menus;
    for (const app::MenuEntry& entry : app::menuTable()) {
        QMenu*& menu = menus[entry.menu];
        if (!menu)
            menu = menuBar()->addMenu(entry.menu);
        QAction* action = menu->addAction(entry.item);
        action->setObjectName(entry.item);
        m_items.insert(entry.item, action);
        const QString item = entry.item;
        connect(action, &QAction::triggered, this, [this, item] { runMenuItem(item); });
    }
}

void TMAIN::runMenuItem(const QString& item)
{
    QAction* action = m_items.value(item);
    if (!action || !action->isEnabled())
        return;
    for (const app::MenuEntry& entry : app::menuTable()) {
        if (entry.item != item)
            continue;
        if (entry.className.isEmpty())
            runAction(item);
        else
            openOrActivate(entry.caption, entry.className);
        return;
    }
}

void TMAIN::runAction(const QString& item)
{
    if (item == QStringLiteral("退出系统"))
        close();
    else if (item == QStringLiteral("帮助"))
        openHelp();
    else if (item == QStringLiteral("关于"))
        showAbout();
}

QWidget* TMAIN::openOrActivate(const QString& caption, const QString& className)
{
    for (QMdiSubWindow* sub : m_frame->subWindowList(QMdiArea::CreationOrder)) {
        if (sub->windowTitle() != caption)
            continue;
        sub->showNormal();
        sub->setEnabled(true);
        sub->show();
        m_frame->setActiveSubWindow(sub);
        sub->widget()->setFocus();
        return sub->widget();
    }
    QWidget* child = app::createChildWindow(className);
    if (!child)
        return nullptr;
    QMdiSubWindow* sub = m_frame->addSubWindow(child);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    if (auto* form = qobject_cast<ui::ChildForm*>(child))
        sub->move(form->startPosition());
    sub->show();
    child->setWindowTitle(caption);
    sub->setWindowTitle(caption);
    m_frame->setActiveSubWindow(sub);
    return child;
}

QAction* TMAIN::menuItem(const QString& text) const
{
    return m_items.value(text);
}

void TMAIN::setOperatorPane(const QString& text)
{
    m_operatorPane->setText(text);
}

void TMAIN::openHelp()
{
    os::shellOpen(os::appDir() + QStringLiteral("help.chm"));
}

void TMAIN::showAbout()
{
    Tguanyu about(this);
    about.exec();
}

void TMAIN::lockScreen()
{
    Tguaqi::run(this);
}

bool TMAIN::initialise()
{
    m_backupFileName = os::shortDate(os::today());
    readSettings();
    if (!openDatabase())
        return false;
    return Tloginform::runLogin(this);
}

void TMAIN::readSettings()
{
    const os::IniFile ini = os::settings::file();
    const QString& s = os::settings::Section;
    m_reminder = ini.readBool(s, QStringLiteral("提醒"), true);
    const QString shopName = ini.readString(s, QStringLiteral("店铺名称"), DefaultShopName);
    m_backgroundPath = ini.readString(s, QStringLiteral("背景图片"), QString());
    if (m_backgroundPath.isEmpty())
        m_backgroundPath = os::appDir() + QStringLiteral("image/001.bmp");
    m_marquee->setText(ini.readString(s, QStringLiteral("广告语"), QString()));
    applyShopName(shopName);
    applyBackground(m_backgroundPath);
}

bool TMAIN::openDatabase()
{
    try {
        TDM1::instance().openDatabase();
        return true;
    } catch (const std::exception&) {
        ui::error(QStringLiteral("错误"), QStringLiteral("无法连接到指定的数据库！请重试！"));
        return false;
    }
}

void TMAIN::applyShopName(const QString& shopName)
{
    setWindowTitle(shopName + SystemName);
    m_shopLabel->setText(shopName);
    m_shopLabel->adjustSize();
    centreLabels();
}

void TMAIN::applyBackground(const QString& path)
{
    m_image->hide();
    QPixmap picture;
    if (!picture.load(path))
        picture = QPixmap();
    m_image->setPixmap(picture);
    m_image->show();
}

void TMAIN::closeEvent(QCloseEvent* event)
{
    if (ui::confirm(QStringLiteral("系统提示"), QStringLiteral("确实要退出本系统吗？")))
        event->accept();
    else
        event->ignore();
}

void TMAIN::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    centreLabels();
}

void TMAIN::centreLabels()
{
    m_systemLabel->adjustSize();
    m_shopLabel->move((width() - m_shopLabel->width()) / 2,
                      (height() - 4 * m_shopLabel->height()) / 2);
    m_systemLabel->move((width() - m_systemLabel->width()) / 2,
                        (height() - m_systemLabel->height()) / 2);
}

bool TMAIN::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_frame->viewport() && event->type() == QEvent::Resize) {
        m_image->setGeometry(m_frame->viewport()->rect());
        m_image->lower();
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMAIN::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_reminder && !m_reminderStarted) {
        m_reminderStarted = true;
        m_reminderTimer.start();
    }
}

namespace app
{

QWidget* openOrActivate(const QString& caption, const QString& className)
{
    TMAIN* main = TMAIN::instance();
    return main ? main->openOrActivate(caption, className) : nullptr;
}

void applyShopName(const QString& shopName)
{
    if (TMAIN* main = TMAIN::instance())
        main->applyShopName(shopName);
}

void applyBackground(const QString& path)
{
    if (TMAIN* main = TMAIN::instance())
        main->applyBackground(path);
}

bool reminderFlag()
{
    TMAIN* main = TMAIN::instance();
    return main ? main->reminderFlag() : true;
}

QString backupFileName()
{
    TMAIN* main = TMAIN::instance();
    return main ? main->backupFileName() : QString();
}

} // namespace app
