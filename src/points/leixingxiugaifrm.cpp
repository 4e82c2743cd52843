#include "points/leixingxiugaifrm.h"
#include "platform/ui/enterkey.h"

#include "app/dm1frm.h"
#include "platform/db/sqltext.h"
#include "platform/ui/childform.h"
#include "platform/ui/dialogs.h"
#include "points/categorychecks.h"
#include "points/numbers.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{
QPointer<Tleixingxiugai> g_dialog;
}

void Tleixingxiugai::createHidden()
{
    delete g_dialog.data();
    g_dialog = new Tleixingxiugai;
}

Tleixingxiugai* Tleixingxiugai::instance()
{
    if (!g_dialog)
        createHidden();
    return g_dialog;
}

Tleixingxiugai::Tleixingxiugai()
    : QDialog(nullptr, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint)
{
    setWindowTitle(QStringLiteral("消费类别修改"));
    setModal(true);
    m_edit1 = new QLineEdit(this);
    m_edit1->setObjectName(QStringLiteral("Edit1"));
    m_edit1->setReadOnly(true);
    m_edit3 = new QLineEdit(this);
    m_edit3->setObjectName(QStringLiteral("Edit3"));
    points::acceptNumberKeysOnly(m_edit3);
    m_bitBtn4 = new QPushButton(QStringLiteral("保存"), this);
    m_bitBtn4->setObjectName(QStringLiteral("BitBtn4"));
    m_bitBtn4->setAutoDefault(false);
    m_bitBtn5 = new QPushButton(QStringLiteral("退出"), this);
    m_bitBtn5->setObjectName(QStringLiteral("BitBtn5"));
    m_bitBtn5->setAutoDefault(false);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("消费类别名称"), m_edit1);
    form->addRow(QStringLiteral("本消费类别积分比例"), m_edit3);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_bitBtn4);
    buttons->addWidget(m_bitBtn5);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(points::categoryHelp(this));
    layout->addLayout(buttons);

    ui::focusOnEnter(m_edit1, m_edit3);
    connect(m_edit3, &QLineEdit::returnPressed, m_bitBtn4, &QPushButton::click);
    connect(m_bitBtn4, &QPushButton::clicked, this, &Tleixingxiugai::save);
    connect(m_bitBtn5, &QPushButton::clicked, this, &QDialog::reject);
}

void Tleixingxiugai::edit(const QString& category, const QString& ratio)
{
    m_edit1->setText(category);
    m_edit3->setText(ratio);
    exec();
}

void Tleixingxiugai::save()
{
    if (!points::categoryNameGiven(m_edit1) || !points::ratioAccepted(m_edit3))
        return;
    const QString update = QStringLiteral("update 消费类别 set 积分比例=") + m_edit3->text() +
                           QStringLiteral(" where 消费类别='") + db::esc(m_edit1->text()) +
                           QStringLiteral("'");
    if (!app::transact([&] { app::execute(TDM1::instance().ADOall, update); }))
        return;
    ui::information(QStringLiteral("提示"), QStringLiteral("修改消费类别成功！"));
    db::Query& list = TDM1::instance().ADOQuery4;
    list.close();
    list.open();
    accept();
}
