#include "operators/guaqi1.h"

#include "app/session.h"
#include "platform/ui/dialogs.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

namespace
{

const QString Away = QStringLiteral("暂时离开");
const QString Wake = QStringLiteral("唤醒系统");

QPushButton* newButton(QWidget* parent, const QString& name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    // Enter in the password box presses nothing; only the buttons act.
    button->setAutoDefault(false);
    return button;
}

} // namespace

Tguaqi::Tguaqi(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_frame(new QGroupBox(Away, this)), m_edit1(new QLineEdit(m_frame)),
      m_bitBtn1(newButton(this, QStringLiteral("BitBtn1"), QStringLiteral("离开"))),
      m_bitBtn2(newButton(this, QStringLiteral("BitBtn2"), QStringLiteral("取消"))),
      m_bitBtn3(newButton(this, QStringLiteral("BitBtn3"), QStringLiteral("唤醒")))
{
    setWindowTitle(Away);
    m_frame->setObjectName(QStringLiteral("GroupBox1"));
    m_frame->setStyleSheet(QStringLiteral("QGroupBox::title { color: red; }"));
    m_edit1->setObjectName(QStringLiteral("Edit1"));
    m_edit1->setEchoMode(QLineEdit::Password);
    (new QFormLayout(m_frame))->addRow(QStringLiteral("密码"), m_edit1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {m_bitBtn1, m_bitBtn2, m_bitBtn3})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_frame);
    layout->addLayout(buttons);

    connect(m_bitBtn1, &QPushButton::clicked, this, &Tguaqi::lock);
    connect(m_bitBtn2, &QPushButton::clicked, this, &Tguaqi::reject);
    connect(m_bitBtn3, &QPushButton::clicked, this, &Tguaqi::wake);
}

void Tguaqi::run(QWidget* parent)
{
    Tguaqi window(parent);
    window.exec();
}

void Tguaqi::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    m_edit1->clear();
    m_bitBtn3->hide();
    m_edit1->setFocus();
}

void Tguaqi::reject()
{
    if (!m_locked)
        QDialog::reject();
}

// The password as typed at this run's login, not as stored: a later password
// change does not alter what unlocks the screen.
bool Tguaqi::checkPassword() const
{
    if (m_edit1->text() == app::session().loginPassword)
        return true;
    ui::error(QStringLiteral("提示"), QStringLiteral("对不起，密码错误！"));
    return false;
}

void Tguaqi::lock()
{
    if (!checkPassword())
        return;
    m_locked = true;
    m_bitBtn3->show();
    m_frame->setTitle(Wake);
    setWindowTitle(Wake);
    m_bitBtn2->hide();
    m_bitBtn1->hide();
    m_edit1->clear();
    m_edit1->setFocus();
}

void Tguaqi::wake()
{
    if (!checkPassword())
        return;
    ui::information(QStringLiteral("提示"), QStringLiteral("系统已被成功唤醒！"));
    m_locked = false;
    accept();
}
