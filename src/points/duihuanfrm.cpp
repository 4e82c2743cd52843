#include "points/duihuanfrm.h"
#include "platform/ui/enterkey.h"

#include "app/dm1frm.h"
#include "app/session.h"
#include "members/cardcheck.h"
#include "members/searchpanel.h"
#include "platform/ui/dialogs.h"
#include "points/ledgerwrites.h"
#include "points/listcombo.h"
#include "points/numbers.h"
#include "points/receipt.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace
{

const QString Prompt = QStringLiteral("提示");

QStringList reasons()
{
    return points::distinctValues(QStringLiteral("select distinct 增减原因 from 流水记录"),
                                  QStringLiteral("增减原因"));
}

QStringList gifts()
{
    return points::distinctValues(QStringLiteral("select distinct 兑换礼品 from 流水记录"),
                                  QStringLiteral("兑换礼品"));
}

void focusFirstEnabled(std::initializer_list<QWidget*> targets)
{
    for (QWidget* w : targets) {
        if (w->isEnabled()) {
            w->setFocus();
            return;
        }
    }
}

} // namespace

Tduihuan::Tduihuan(QWidget* parent) : points::LedgerForm(QPoint(150, 0), parent)
{
    buildControls();
    startCardCheck(members::CardCheckProfile::duihuan());
    connectKeys();

    m_comboBox2->refill(true);
    m_comboBox1->refill(true);
    for (int i = 1; i <= 13; ++i) {
        if (QLineEdit* b = box(QStringLiteral("Edit%1").arg(i)))
            b->clear();
    }
    box(QStringLiteral("Edit1"))->setFocus();
    awaitCard({m_edit12, m_edit13, m_bitBtn1});
}

Tduihuan::~Tduihuan() = default;

void Tduihuan::buildControls()
{
    QLabel* title = heading(QStringLiteral("会员积分兑换"));

    auto* way = new QGroupBox(QStringLiteral("请选择兑换方式"), this);
    way->setObjectName(QStringLiteral("RzRadioGroup1"));
    m_radioGroup = way;
    m_gift = new QRadioButton(QStringLiteral("礼品"), way);
    m_cash = new QRadioButton(QStringLiteral("现金"), way);
    m_gift->setChecked(true);
    auto* wayLayout = new QHBoxLayout(way);
    wayLayout->addWidget(m_gift);
    wayLayout->addWidget(m_cash);

    auto* hint = new QLabel(QStringLiteral("刷卡或输入卡号后回车"), this);
    hint->setStyleSheet(QStringLiteral("color: red"));
    QGridLayout* fields = buildMemberBoxes(
        memberParticulars({{"Edit13", "本次兑换积分"}, {"Edit12", "本次兑换现金"}}));
    m_edit12 = box(QStringLiteral("Edit12"));
    m_edit13 = box(QStringLiteral("Edit13"));
    for (QLineEdit* numeric : {m_edit12, m_edit13}) {
        numeric->setReadOnly(false);
        points::acceptNumberKeysOnly(numeric);
    }

    m_comboBox1 = new points::RefillingComboBox(gifts, this);
    m_comboBox1->setObjectName(QStringLiteral("ComboBox1"));
    m_comboBox2 = new points::RefillingComboBox(reasons, this);
    m_comboBox2->setObjectName(QStringLiteral("ComboBox2"));
    m_bitBtn1 = new QPushButton(QStringLiteral("保存"), this);
    m_bitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    m_bitBtn1->setAutoDefault(true);
    m_bitBtn2 = new QPushButton(QStringLiteral("退出"), this);
    m_bitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    auto* label23 = new QLabel(QStringLiteral("编号："), this);
    label23->setObjectName(QStringLiteral("Label23"));
    label23->hide();

    auto* entry = new QFormLayout;
    entry->addRow(QStringLiteral("本次兑换礼品"), m_comboBox1);
    entry->addRow(QStringLiteral("积分增减原因"), m_comboBox2);
    auto* help = new QGroupBox(QStringLiteral("说明"), this);
    help->setObjectName(QStringLiteral("GroupBox4"));
    (new QVBoxLayout(help))
        ->addWidget(
            new QLabel(QStringLiteral("输入错误的记录请在积分历史记录中删除后重新录入。"), help));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_bitBtn1);
    buttons->addWidget(m_bitBtn2);

    auto* left = new QVBoxLayout;
    left->addWidget(way);
    left->addWidget(hint);
    left->addLayout(fields);
    left->addLayout(entry);
    left->addLayout(buttons);
    auto* right = new QVBoxLayout;
    right->addWidget(m_panel, 1);
    right->addWidget(help);
    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addLayout(body);
}

void Tduihuan::connectKeys()
{
    const auto toSave = [this] { m_bitBtn1->setFocus(); };
    ui::onEnter(m_comboBox2, [this] { focusFirstEnabled({m_edit13}); });
    connect(m_comboBox2, qOverload<int>(&QComboBox::activated), this,
            [this] { focusFirstEnabled({m_edit13}); });
    ui::onEnter(m_edit13, [this] { focusFirstEnabled({m_edit12, m_comboBox1}); });
    ui::onEnter(m_edit12, [this] { focusFirstEnabled({m_bitBtn1}); });
    ui::onEnter(m_comboBox1, [this] { focusFirstEnabled({m_bitBtn1}); });
    connect(m_comboBox1, qOverload<int>(&QComboBox::activated), this, toSave);
    connect(m_check, &members::CardCheck::loaded, this, &Tduihuan::armWay);
    connect(m_bitBtn1, &QPushButton::clicked, this, &Tduihuan::save);
    connect(m_bitBtn2, &QPushButton::clicked, this, &Tduihuan::closeForm);
}

// The way of redemption counts as it stands when a member is loaded.
void Tduihuan::armWay()
{
    m_comboBox1->setEnabled(m_gift->isChecked());
    m_edit12->setEnabled(!m_gift->isChecked());
    m_edit13->setEnabled(true);
    m_bitBtn1->setEnabled(true);
    m_comboBox2->setFocus();
}

bool Tduihuan::validate()
{
    if (m_edit13->text().isEmpty())
        m_edit13->setText(QStringLiteral("0"));
    if (m_edit12->text().isEmpty())
        m_edit12->setText(QStringLiteral("0"));
    const double points = points::toNumber(m_edit13->text());
    if (points <= 0) {
        ui::error(Prompt, QStringLiteral("兑换积分小于或等于零，不能保存！"));
        return false;
    }
    if (points > points::toNumber(box(QStringLiteral("Edit10"))->text())) {
        ui::error(Prompt, points::TooManyPointsText);
        return false;
    }
    if (m_comboBox2->currentText().isEmpty()) {
        ui::error(Prompt, QStringLiteral("请填写积分增减原因！"));
        m_comboBox2->setFocus();
        return false;
    }
    return cardStillChecked();
}

void Tduihuan::save()
{
    const points::ReceiptSettings settings = points::ReceiptSettings::read();
    if (!validate())
        return;
    const QString taken = m_edit13->text().trimmed();
    if (!app::transact([&] { writeRedemption(taken); }))
        return;
    ui::messageBox(QStringLiteral("系统提示"), QStringLiteral("兑换积分成功！"), ui::Icon::Question,
                   ui::Buttons::Ok);
    if (settings.print)
        printReceipt(settings, QStringLiteral("~~~~~~~~~~积分兑换~~~~~~~~~~~"), receiptBody());
    reset();
}

void Tduihuan::writeRedemption(const QString& taken)
{
    points::RedemptionEntry entry;
    entry.card = box(QStringLiteral("Edit1"))->text();
    entry.name = box(QStringLiteral("Edit3"))->text();
    entry.gift = m_comboBox1->currentText();
    entry.cash = m_edit12->text();
    entry.points = taken;
    entry.reason = m_comboBox2->currentText();
    entry.operatorCode = app::session().operatorCode;
    m_label22->setText(points::writeRedemption(entry));
}

QStringList Tduihuan::receiptBody() const
{
    const QString card = box(QStringLiteral("Edit1"))->text();
    return {QStringLiteral("会员卡号： ") + card,
            QStringLiteral("会员姓名： ") + box(QStringLiteral("Edit3"))->text(),
            QStringLiteral("兑换积分： ") + m_edit13->text(),
            QStringLiteral("兑换礼品： ") + m_comboBox1->currentText(),
            QStringLiteral("兑换现金： ") + m_edit12->text(),
            QStringLiteral("现有积分： ") + balanceText(card)};
}

void Tduihuan::reset()
{
    const bool giftEnabled = m_comboBox1->isEnabled();
    const bool cashEnabled = m_edit12->isEnabled();
    m_check->disarm();
    m_comboBox2->refill(true);
    for (int i = 1; i <= 13; ++i) {
        if (QLineEdit* b = box(QStringLiteral("Edit%1").arg(i)))
            b->clear();
    }
    m_comboBox1->clear();
    m_comboBox1->setEditText(QString());
    box(QStringLiteral("Edit1"))->setFocus();
    m_edit13->setEnabled(false);
    m_bitBtn1->setEnabled(false);
    // The gift and cash boxes keep their state until the next member is loaded.
    m_comboBox1->setEnabled(giftEnabled);
    m_edit12->setEnabled(cashEnabled);
    refreshSerial();
}
