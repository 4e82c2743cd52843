#include "operators/login.h"

#include "app/dm1frm.h"
#include "app/session.h"
#include "operators/permissions.h"
#include "platform/db/sqltext.h"
#include "platform/ui/dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

bool loginPasswordMatches(const QString& typed, const QString& stored)
{
    if (typed.size() != stored.size())
        return false;
    for (int i = 0; i < typed.size(); ++i) {
        QChar a = typed[i];
        QChar b = stored[i];
        auto fold = [](QChar c) {
            return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ? QChar(c.unicode() - 32) : c;
        };
        if (fold(a) != fold(b))
            return false;
    }
    return true;
}

Tloginform::Tloginform(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tloginform"));
    setWindowTitle(QStringLiteral("进入系统"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    m_cbusername = new QComboBox(this);
    m_cbusername->setObjectName(QStringLiteral("cbusername"));
    m_cbusername->setEditable(true);
    m_cbusername->setInsertPolicy(QComboBox::NoInsert);
    m_edit1 = new QLineEdit(this);
    m_edit1->setObjectName(QStringLiteral("Edit1"));
    m_edit1->setReadOnly(true);
    m_edit1->setFocusPolicy(Qt::NoFocus);
    m_edtpassword = new QLineEdit(this);
    m_edtpassword->setObjectName(QStringLiteral("edtpassword"));
    m_edtpassword->setEchoMode(QLineEdit::Password);
    m_label3 = new QLabel(QStringLiteral("系统管理员初始密码为 空"), this);
    m_label3->setObjectName(QStringLiteral("Label3"));
    m_button1 = new QPushButton(QStringLiteral("进入"), this);
    m_button1->setObjectName(QStringLiteral("button1"));
    m_button1->setAutoDefault(false);
    m_button2 = new QPushButton(QStringLiteral("退出"), this);
    m_button2->setObjectName(QStringLiteral("button2"));
    m_button2->setAutoDefault(false);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("操作员编号"), m_cbusername);
    form->addRow(QStringLiteral("操作员姓名"), m_edit1);
    form->addRow(QStringLiteral("操作员密码"), m_edtpassword);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_button1);
    buttons->addWidget(m_button2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_label3);
    layout->addLayout(buttons);

    connect(m_cbusername, &QComboBox::currentTextChanged, this, &Tloginform::comboTextChanged);
    connect(qApp, &QApplication::focusChanged, this, &Tloginform::focusChanged);
    connect(m_edtpassword, &QLineEdit::returnPressed, this, &Tloginform::enter);
    connect(m_button1, &QPushButton::clicked, this, &Tloginform::enter);
    connect(m_button2, &QPushButton::clicked, this, &QDialog::reject);
}

Tloginform::~Tloginform()
{
    // Destroying the child boxes moves the focus; this window must not hear of it.
    disconnect(qApp, nullptr, this, nullptr);
}

bool Tloginform::runLogin(QWidget* parent)
{
    Tloginform login(parent);
    return login.exec() == QDialog::Accepted;
}

void Tloginform::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    loadOperators();
}

void Tloginform::loadOperators()
{
    m_loading = true;
    m_cbusername->clear();
    m_passwords.clear();
    db::Query& q = app::select(TDM1::instance().ADOall, QStringLiteral("Select * from 操作员"));
    for (q.first(); !q.eof(); q.next()) {
        m_cbusername->addItem(q.asString(QStringLiteral("操作员")));
        m_passwords << q.asString(QStringLiteral("密码"));
    }
    q.close();
    m_cbusername->setCurrentIndex(m_cbusername->count() > 0 ? 0 : -1);
    m_edtpassword->clear();
    m_cbusername->setFocus();
    m_edit1->clear();
    m_loading = false;
    lookUpName();
}

void Tloginform::lookUpName()
{
    db::Query& q = app::select(TDM1::instance().ADOall,
                               QStringLiteral("Select * from 操作员 where 操作员='") +
                                   db::esc(m_cbusername->currentText()) + QStringLiteral("'"));
    m_edit1->setText(q.eof() ? QString() : q.asString(QStringLiteral("姓名")));
}

void Tloginform::comboTextChanged()
{
    if (m_loading)
        return;
    lookUpName();
    m_edtpassword->setFocus();
}

int Tloginform::selectedIndex() const
{
    return m_cbusername->findText(m_cbusername->currentText(), Qt::MatchFixedString);
}

void Tloginform::focusChanged(QWidget* old, QWidget* now)
{
    const auto inCombo = [this](QWidget* w) {
        return w && (w == m_cbusername || m_cbusername->isAncestorOf(w));
    };
    if (!isVisible() || !inCombo(old) || inCombo(now))
        return;
    const int index = selectedIndex();
    if (index >= 0) {
        if (m_cbusername->currentText() != m_cbusername->itemText(index))
            m_cbusername->setCurrentIndex(index);
        return;
    }
    if (now == m_edtpassword) {
        ui::error(QStringLiteral("提示"), QStringLiteral("不存在的用户！"));
        m_cbusername->setFocus();
        m_cbusername->lineEdit()->selectAll();
    }
}

void Tloginform::enter()
{
    const int index = selectedIndex();
    if (index < 0) {
        ui::error(QStringLiteral("提示"), QStringLiteral("不存在的用户！"));
        m_cbusername->setFocus();
        m_cbusername->lineEdit()->selectAll();
        return;
    }
    if (!loginPasswordMatches(m_edtpassword->text(), m_passwords.value(index))) {
        if (++m_failures >= MaxFailures) {
            ui::error(QStringLiteral("提示"), QStringLiteral("密码错误超过五次，软件将被关闭！"));
            reject();
            return;
        }
        ui::error(QStringLiteral("提示"), QStringLiteral("密码错误，请重新输入！"));
        m_edtpassword->clear();
        return;
    }
    app::session().operatorCode = m_cbusername->itemText(index);
    app::session().loginPassword = m_edtpassword->text();
    applyPermissions(app::session().operatorCode);
    accept();
}
