#include "points/ledgerform.h"

#include "app/dm1frm.h"
#include "app/session.h"
#include "members/cardcheck.h"
#include "members/searchpanel.h"
#include "platform/db/sqltext.h"
#include "platform/os/appenv.h"
#include "platform/ui/dialogs.h"
#include "points/receipt.h"
#include "points/serialnumber.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPushButton>

namespace points
{

LedgerForm::LedgerForm(const QPoint& position, QWidget* parent)
    : ui::ChildForm(position, parent), m_label22(new QLabel(this)),
      m_panel(new members::SearchPanel(this))
{
    m_label22->setObjectName(QStringLiteral("Label22"));
    m_label22->hide();
    m_panel->hide();
}

QString LedgerForm::heldSerialNumber() const
{
    return m_label22->text();
}

QVector<LedgerForm::MemberBox> LedgerForm::memberParticulars(const QVector<MemberBox>& own)
{
    QVector<MemberBox> boxes = {
        {"Edit1", "会员卡号"}, {"Edit3", "会员姓名"},  {"Edit7", "性别"},     {"Edit2", "职业"},
        {"Edit4", "身份证号"}, {"Edit8", "会员生日"},  {"Edit9", "地址"},     {"Edit5", "固定电话"},
        {"Edit6", "手机"},     {"Edit10", "现有积分"}, {"Edit11", "起用日期"}};
    return boxes + own;
}

QGridLayout* LedgerForm::buildMemberBoxes(const QVector<MemberBox>& boxes)
{
    auto* grid = new QGridLayout;
    int row = 0;
    for (const MemberBox& b : boxes) {
        auto* edit = new QLineEdit(this);
        const QString name = QString::fromLatin1(b.name);
        edit->setObjectName(name);
        m_boxes.insert(name, edit);
        grid->addWidget(new QLabel(QString::fromUtf8(b.label), this), row, 0);
        grid->addWidget(edit, row, 1);
        bool search = false;
        for (int i = 0; i < members::SearchPanel::FieldCount; ++i) {
            if (name == QLatin1String(members::SearchPanel::Fields[i].box)) {
                grid->addWidget(m_panel->searchButton(i), row, 2);
                search = true;
            }
        }
        edit->setReadOnly(!search && name != QLatin1String("Edit1"));
        ++row;
    }
    return grid;
}

void LedgerForm::startCardCheck(const members::CardCheckProfile& profile)
{
    m_check = new members::CardCheck(this, profile, m_panel);
    m_check->setParent(this);
}

void LedgerForm::refreshSerial()
{
    m_label22->setText(nextSerialNumber());
}

QLabel* LedgerForm::heading(const QString& text)
{
    auto* label = new QLabel(text, this);
    QFont big = label->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    label->setFont(big);
    return label;
}

void LedgerForm::awaitCard(std::initializer_list<QWidget*> disarmed)
{
    for (QWidget* w : disarmed)
        w->setEnabled(false);
    m_panel->hide();
    refreshSerial();
}

void LedgerForm::paintEvent(QPaintEvent* event)
{
    ui::ChildForm::paintEvent(event);
    // The caret blinking in the focused box is not a repaint of the window.
    const QWidget* focused = focusWidget();
    if (focused && focused != this &&
        QRect(focused->mapTo(this, QPoint()), focused->size()).contains(event->rect()))
        return;
    try {
        refreshSerial();
    } catch (const std::exception&) {
        // A broken sequence is reported when the window opens and by the save
        // itself; a box raised from here would repaint and raise it again.
    }
}

bool LedgerForm::cardStillChecked()
{
    if (m_check && m_check->stillLoaded(box(QStringLiteral("Edit1"))->text()))
        return true;
    ui::error(QStringLiteral("提示"), QStringLiteral("会员卡号已改变，请刷卡或输入卡号后回车！"));
    box(QStringLiteral("Edit1"))->setFocus();
    return false;
}

QString LedgerForm::balanceText(const QString& card)
{
    db::Query& q = app::select(TDM1::instance().ADOall,
                               QStringLiteral("select 积分 from 会员卡信息 where 会员卡号='") +
                                   db::esc(card) + QStringLiteral("'"));
    return q.asString(QStringLiteral("积分"));
}

void LedgerForm::printReceipt(const ReceiptSettings& settings, const QString& title,
                              const QStringList& body) const
{
    ReceiptContent content;
    content.shopName = settings.shopName;
    content.footer = settings.footer;
    content.operatorCode = app::session().operatorCode;
    content.printedAt = os::now();
    content.title = title;
    content.body = body;
    sendToPrinter(settings.port, receiptBytes(content));
}

} // namespace points
