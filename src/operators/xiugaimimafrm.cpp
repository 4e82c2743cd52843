#include "operators/xiugaimimafrm.h"

#include "app/dm1frm.h"
#include "app/session.h"
#include "platform/db/sqltext.h"
#include "platform/ui/dialogs.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

QLineEdit* newPasswordBox(QWidget* parent, const QString& name)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setEchoMode(QLineEdit::Password);
    return edit;
}

} // namespace

Txiugaimima::Txiugaimima(QWidget* parent)
    : ui::ChildForm(QPoint(330, 0), parent), m_edit1(new QLineEdit(this)),
      m_edit2(newPasswordBox(this, QStringLiteral("Edit2"))),
      m_edit3(newPasswordBox(this, QStringLiteral("Edit3"))),
      m_edit4(newPasswordBox(this, QStringLiteral("Edit4"))),
      m_bitBtn1(new QPushButton(QStringLiteral("确认"), this)),
      m_bitBtn2(new QPushButton(QStringLiteral("退出"), this))
{
    setWindowTitle(QStringLiteral("修改密码"));
    m_edit1->setObjectName(QStringLiteral("Edit1"));
    m_edit1->setEnabled(false);
    m_bitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    m_bitBtn2->setObjectName(QStringLiteral("BitBtn2"));

    auto* frame = new QGroupBox(QStringLiteral("密码修改"), this);
    auto* fields = new QFormLayout(frame);
    fields->addRow(QStringLiteral("操作员编号"), m_edit1);
    fields->addRow(QStringLiteral("旧密码"), m_edit2);
    fields->addRow(QStringLiteral("新密码"), m_edit3);
    fields->addRow(QStringLiteral("确认新密码"), m_edit4);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_bitBtn1);
    buttons->addWidget(m_bitBtn2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);

    m_edit1->setText(app::session().operatorCode);

    connect(m_bitBtn1, &QPushButton::clicked, this, &Txiugaimima::confirm);
    connect(m_bitBtn2, &QPushButton::clicked, this, &ui::ChildForm::closeForm);
}

void Txiugaimima::confirm()
{
    db::Query& q = TDM1::instance().ADOall;
    app::select(q, QStringLiteral("select 密码 from  操作员 where 操作员='") +
                       db::esc(m_edit1->text()) + QStringLiteral("'"));
    // A row deleted since the login reads as an empty password.
    const QString stored = q.eof() ? QString() : q.asString(QStringLiteral("密码"));
    if (m_edit2->text() != stored) {
        ui::error(QStringLiteral("错误！"), QStringLiteral("旧密码不正确！"));
        return;
    }
    if (m_edit3->text() != m_edit4->text()) {
        ui::error(QStringLiteral("错误！"), QStringLiteral("两次密码不一致！"));
        return;
    }
    app::execute(q, QStringLiteral("update 操作员 set 密码='") + db::esc(m_edit4->text()) +
                        QStringLiteral("' where 操作员='") + db::esc(m_edit1->text()) +
                        QStringLiteral("' "));
    ui::information(QStringLiteral("提示！"), QStringLiteral("修改成功！"));
}
