#include "members/xiugaifrm.h"
#include "platform/ui/enterkey.h"

#include "app/dm1frm.h"
#include "members/cardcheck.h"
#include "members/memberform.h"
#include "members/tuanduifrm.h"
#include "platform/db/sqltext.h"
#include "platform/ui/childform.h"
#include "platform/ui/dialogs.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

namespace
{

QString assignment(const QString& column, const QString& value)
{
    return column + QStringLiteral("='") + db::esc(value) + QStringLiteral("'");
}

} // namespace

Txiugai::Txiugai(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("修改会员信息"));
    buildControls();
    resetForm();
}

void Txiugai::buildControls()
{
    m_form = new members::MemberForm(this, QStringLiteral("职业"));
    m_bitBtn1 = new QPushButton(QStringLiteral("保存"), this);
    m_bitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    m_bitBtn2 = new QPushButton(QStringLiteral("删除"), this);
    m_bitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    m_bitBtn3 = new QPushButton(QStringLiteral("查看团队"), this);
    m_bitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    m_bitBtn4 = new QPushButton(QStringLiteral("退出"), this);
    m_bitBtn4->setObjectName(QStringLiteral("BitBtn4"));
    for (QPushButton* b : {m_bitBtn1, m_bitBtn2, m_bitBtn3, m_bitBtn4})
        b->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_bitBtn1, m_bitBtn2, m_bitBtn3, m_bitBtn4})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("直接刷卡或输入卡号后回车"), this));
    layout->addLayout(m_form->layout());
    layout->addLayout(buttons);
    setTabOrder(m_form->edit(8), m_bitBtn1);

    m_form->chainEnter();
    ui::focusOnEnter(m_form->edit(7), m_form->edit(8));
    ui::focusOnEnter(m_form->edit(8), m_bitBtn1);
    m_check = new members::CardCheck(this, members::CardCheckProfile::xiugai());

    for (QPushButton* b : {m_bitBtn1, m_bitBtn2, m_bitBtn3, m_bitBtn4})
        ui::clickOnEnter(b);
    connect(m_bitBtn1, &QPushButton::clicked, this, &Txiugai::save);
    connect(m_bitBtn2, &QPushButton::clicked, this, &Txiugai::remove);
    connect(m_bitBtn3, &QPushButton::clicked, this, &Txiugai::showTeam);
    connect(m_bitBtn4, &QPushButton::clicked, this, &QDialog::reject);
}

void Txiugai::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    resetForm();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void Txiugai::resetForm()
{
    m_form->resetSex();
    m_form->occupation()->clear();
    m_form->occupation()->setEditText(QString());
    m_form->clearEntries();
    m_check->disarm();
}

void Txiugai::save()
{
    // Only the member that passed the check is written.
    if (!m_check->stillLoaded(m_form->edit(1)->text()))
        return;
    if (!app::transact([this] { updateMember(); }))
        return;
    m_form->clearEntries();
    m_check->disarm();
    ui::information(QStringLiteral("提示"), QStringLiteral("修改成功！"));
}

void Txiugai::updateMember()
{
    const auto e = [this](int n) { return m_form->edit(n)->text(); };
    auto& q = TDM1::instance().ADOall;
    const QString comma = QStringLiteral(",");
    app::execute(
        q, QStringLiteral("update 会员卡信息 set ") +
               QStringList{assignment(QStringLiteral("会员卡号"), e(1)),
                           assignment(QStringLiteral("会员姓名"), e(2)),
                           assignment(QStringLiteral("性别"), m_form->sex()->currentText()),
                           assignment(QStringLiteral("职业"), m_form->occupation()->currentText())}
                   .join(comma) +
               QStringLiteral(",\n") +
               QStringList{assignment(QStringLiteral("身份证号"), e(3)),
                           assignment(QStringLiteral("会员生日"), m_form->birthdayText()),
                           assignment(QStringLiteral("地址"), e(4)),
                           assignment(QStringLiteral("固定电话"), e(5))}
                   .join(comma) +
               QStringLiteral(",\n") +
               QStringList{assignment(QStringLiteral("手机"), e(6)),
                           assignment(QStringLiteral("引荐人卡号"), e(7)),
                           assignment(QStringLiteral("引荐人姓名"), e(8)),
                           assignment(QStringLiteral("起用日期"), m_form->startedText()),
                           assignment(QStringLiteral("生日"), m_form->monthDayText())}
                   .join(comma) +
               QStringLiteral(" where ") + assignment(QStringLiteral("会员卡号"), e(1)));
    // The row that put this member into a referrer's team follows the new
    // name and referrer; none is created where there was none.
    app::execute(q, QStringLiteral("update 团队 set ") +
                        QStringList{assignment(QStringLiteral("团队成员姓名"), e(2)),
                                    assignment(QStringLiteral("卡号"), e(7)),
                                    assignment(QStringLiteral("姓名"), e(8))}
                            .join(comma) +
                        QStringLiteral(" where ") +
                        assignment(QStringLiteral("团队成员卡号"), e(1)));
}

void Txiugai::remove()
{
    const QString card = m_form->edit(1)->text();
    if (!m_check->stillLoaded(card))
        return;
    if (!ui::confirm(QStringLiteral("提示"),
                     QStringLiteral("确实要删除该会员？该操作不可恢复！请谨慎操作！")))
        return;
    // Only the member row goes; ledger, consumption, loss and team rows stay as history.
    app::execute(TDM1::instance().ADOall,
                 QStringLiteral("delete  from 会员卡信息 where 会员卡号='") + db::esc(card) +
                     QStringLiteral("' "));
    ui::information(QStringLiteral("提示"), QStringLiteral("删除成功！"));
    m_check->disarm();
}

void Txiugai::showTeam()
{
    Ttuandui::instance()->showTeam(m_form->edit(1)->text(), m_form->edit(2)->text());
}
