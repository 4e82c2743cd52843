#include "members/cardcheck.h"

#include "app/dm1frm.h"
#include "app/navigation.h"
#include "members/searchpanel.h"
#include "platform/db/sqltext.h"
#include "platform/os/regional.h"
#include "platform/ui/dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>

namespace members
{

namespace
{

const QString SystemTitle = QStringLiteral("系统提示");
const QString RetiredUse = QStringLiteral("此卡已经挂失，不能使用,需要打开挂失记录吗？");
const QString RetiredQuery = QStringLiteral("此卡已经挂失，不能查询,需要打开挂失记录吗？");

db::Query& scratch()
{
    return TDM1::instance().ADOall;
}

// The shown fields of the windows with a search panel; the variants add or drop a few.
QVector<QPair<QString, QString>> panelFields(bool occupation, bool referrer)
{
    QVector<QPair<QString, QString>> fields = {
        {QStringLiteral("会员姓名"), QStringLiteral("Edit3")},
        {QStringLiteral("性别"), QStringLiteral("Edit7")},
        {QStringLiteral("身份证号"), QStringLiteral("Edit4")},
        {QStringLiteral("会员生日"), QStringLiteral("Edit8")},
        {QStringLiteral("地址"), QStringLiteral("Edit9")},
        {QStringLiteral("固定电话"), QStringLiteral("Edit5")},
        {QStringLiteral("手机"), QStringLiteral("Edit6")},
        {QStringLiteral("积分"), QStringLiteral("Edit10")},
        {QStringLiteral("起用日期"), QStringLiteral("Edit11")},
    };
    if (occupation)
        fields.append({QStringLiteral("职业"), QStringLiteral("Edit2")});
    if (referrer) {
        fields.append({QStringLiteral("引荐人卡号"), QStringLiteral("Edit15")});
        fields.append({QStringLiteral("引荐人姓名"), QStringLiteral("Edit16")});
    }
    return fields;
}

QStringList edits(int from, int to)
{
    QStringList names;
    for (int i = from; i <= to; ++i)
        names << QStringLiteral("Edit%1").arg(i);
    return names;
}

void setControlValue(QWidget* control, const QString& text, bool flag)
{
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(text);
    else if (auto* date = qobject_cast<QDateEdit*>(control))
        date->setDate(os::parseShortDate(text));
    else if (auto* combo = qobject_cast<QComboBox*>(control))
        combo->setCurrentText(text);
    else if (auto* check = qobject_cast<QCheckBox*>(control))
        check->setChecked(flag);
}

void clearControl(QWidget* control)
{
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->clear();
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        combo->clear();
        combo->setCurrentText(QString());
    }
}

} // namespace

bool isRetiredNumber(const QString& cardNumber)
{
    auto& q = app::select(scratch(), QStringLiteral("select 旧卡号 from 挂失记录 where 旧卡号 ='") +
                                         db::esc(cardNumber) + QStringLiteral("'"));
    return !q.eof() && !q.asString(QStringLiteral("旧卡号")).isEmpty();
}

bool memberExists(const QString& cardNumber)
{
    auto& q = app::select(scratch(), QStringLiteral("select * from 会员卡信息 where 会员卡号 ='") +
                                         db::esc(cardNumber) + QStringLiteral("'"));
    return !q.eof() && !q.asString(QStringLiteral("会员卡号")).isEmpty();
}

CardCheckProfile CardCheckProfile::zengjiajifen()
{
    CardCheckProfile p;
    p.retiredText = RetiredUse;
    p.verbal = Verbal::RefuseWithOffer;
    p.fields = panelFields(true, true);
    p.keepsCurrentCard = true;
    p.armed =
        QStringList{QStringLiteral("Edit12"), QStringLiteral("Edit13"), QStringLiteral("BitBtn1")};
    p.guarded = QStringList{QStringLiteral("BitBtn1")};
    p.focusAfterLoad = QStringLiteral("Edit12");
    p.clearedOnSearch = QStringList{QStringLiteral("Edit1"), QStringLiteral("Edit2")} +
                        edits(7, 13) +
                        QStringList{QStringLiteral("Edit15"), QStringLiteral("Edit16")};
    return p;
}

CardCheckProfile CardCheckProfile::duihuan()
{
    CardCheckProfile p;
    p.retiredText = RetiredQuery;
    p.retiredTextOnDoubleClick = RetiredUse;
    p.retiredCheckOnDoubleClick = true;
    p.missingTitle = QStringLiteral("提示！");
    p.verbal = Verbal::RefuseWithOffer;
    p.fields = panelFields(true, false);
    p.keepsCurrentCard = true;
    // The gift box or the cash box follows the way of redemption: the window arms it.
    p.armed = QStringList{QStringLiteral("Edit13"), QStringLiteral("BitBtn1")};
    p.guarded = QStringList{QStringLiteral("BitBtn1")};
    p.focusAfterLoad = QStringLiteral("ComboBox2");
    p.clearedOnSearch = QStringList{QStringLiteral("Edit1"), QStringLiteral("Edit2")} +
                        edits(7, 13) + QStringList{QStringLiteral("ComboBox1")};
    return p;
}

CardCheckProfile CardCheckProfile::jifenchaxun()
{
    CardCheckProfile p;
    p.retiredText = RetiredQuery;
    p.verbal = Verbal::Show;
    p.fields = panelFields(true, false);
    p.fields.append({QStringLiteral("口头挂失标志"), QStringLiteral("CheckBox1")});
    p.rewriteCardBoxOnEnter = true;
    p.keepsCurrentCard = true;
    p.focusAfterLoad = QStringLiteral("BitBtn2");
    p.focusAfterDoubleClickLoad = false;
    p.clearedOnSearch =
        QStringList{QStringLiteral("Edit1"), QStringLiteral("Edit2")} + edits(7, 11);
    return p;
}

CardCheckProfile CardCheckProfile::koutou()
{
    CardCheckProfile p;
    p.retiredText = RetiredUse;
    p.verbal = Verbal::Show;
    p.fields = panelFields(false, false);
    p.fields.append({QStringLiteral("口头挂失标志"), QStringLiteral("CheckBox1")});
    p.armed = QStringList{QStringLiteral("BitBtn1")};
    p.guarded = p.armed;
    p.focusAfterLoad = QStringLiteral("BitBtn1");
    p.clearedOnSearch = QStringList{QStringLiteral("Edit1")} + edits(7, 11);
    return p;
}

CardCheckProfile CardCheckProfile::guashi()
{
    CardCheckProfile p;
    p.retiredText = RetiredUse;
    p.retiredTextOnDoubleClick = RetiredUse;
    p.retiredCheckOnDoubleClick = true;
    p.verbal = Verbal::Ignore;
    p.fields = panelFields(false, false);
    p.armed = QStringList{QStringLiteral("Edit12"), QStringLiteral("BitBtn1")};
    p.guarded = QStringList{QStringLiteral("BitBtn1")};
    p.focusAfterLoad = QStringLiteral("Edit12");
    p.clearedOnSearch = QStringList{QStringLiteral("Edit1")} + edits(7, 12);
    return p;
}

CardCheckProfile CardCheckProfile::xiugai()
{
    CardCheckProfile p;
    p.retiredText = QStringLiteral("此卡已经挂失，不能使用！");
    p.lossRecordsOffer = false;
    p.missingTitle = QStringLiteral("提示！");
    p.verbal = Verbal::Refuse;
    p.fields = {
        {QStringLiteral("职业"), QStringLiteral("ComboBox1")},
        {QStringLiteral("会员姓名"), QStringLiteral("Edit2")},
        {QStringLiteral("性别"), QStringLiteral("ComboBox2")},
        {QStringLiteral("身份证号"), QStringLiteral("Edit3")},
        {QStringLiteral("会员生日"), QStringLiteral("DateTimePicker1")},
        {QStringLiteral("地址"), QStringLiteral("Edit4")},
        {QStringLiteral("固定电话"), QStringLiteral("Edit5")},
        {QStringLiteral("手机"), QStringLiteral("Edit6")},
        {QStringLiteral("起用日期"), QStringLiteral("DateTimePicker2")},
        {QStringLiteral("引荐人卡号"), QStringLiteral("Edit7")},
        {QStringLiteral("引荐人姓名"), QStringLiteral("Edit8")},
    };
    p.armed = QStringList{QStringLiteral("BitBtn1"), QStringLiteral("BitBtn2"),
                          QStringLiteral("BitBtn3")};
    p.guarded = p.armed;
    p.cardBoxReadOnlyWhileLoaded = true;
    p.focusAfterLoad = QStringLiteral("Edit2");
    return p;
}

CardCheck::CardCheck(QWidget* window, CardCheckProfile profile, SearchPanel* panel)
    : QObject(window), m_window(window), m_profile(std::move(profile)), m_panel(panel)
{
    if (auto* cardBox = qobject_cast<QLineEdit*>(control(QStringLiteral("Edit1")))) {
        connect(cardBox, &QLineEdit::returnPressed, this,
                [this, cardBox] { checkEntered(cardBox->text()); });
    }
    if (!m_panel)
        return;
    for (int i = 0; i < SearchPanel::FieldCount; ++i) {
        const QString column = QString::fromUtf8(SearchPanel::Fields[i].column);
        const QString boxName = QString::fromUtf8(SearchPanel::Fields[i].box);
        QPushButton* button = m_panel->searchButton(i);
        connect(button, &QPushButton::clicked, this,
                [this, column, boxName] { search(column, boxName); });
        if (auto* box = qobject_cast<QLineEdit*>(control(boxName)))
            connect(box, &QLineEdit::returnPressed, button, &QPushButton::click);
    }
    connect(m_panel, &SearchPanel::cardDoubleClicked, this, &CardCheck::checkDoubleClicked);
}

CardCheck::Outcome CardCheck::checkEntered(const QString& cardNumber)
{
    return run(cardNumber, false);
}

CardCheck::Outcome CardCheck::checkDoubleClicked(const QString& cardNumber)
{
    const Outcome outcome = run(cardNumber, true);
    if (m_panel && outcome != Outcome::Retired)
        m_panel->hide();
    return outcome;
}

bool CardCheck::stillLoaded(const QString& cardBoxText) const
{
    return m_loaded && cardBoxText == m_checked;
}

void CardCheck::disarm()
{
    m_loaded = false;
    m_checked.clear();
    for (const QString& name : m_profile.guarded) {
        if (QWidget* w = control(name))
            w->setEnabled(false);
    }
    if (m_profile.cardBoxReadOnlyWhileLoaded) {
        if (auto* cardBox = qobject_cast<QLineEdit*>(control(QStringLiteral("Edit1"))))
            cardBox->setReadOnly(false);
    }
}

CardCheck::Outcome CardCheck::run(const QString& cardNumber, bool viaDoubleClick)
{
    Outcome outcome = Outcome::Loaded;
    const bool retiredStep = !viaDoubleClick || m_profile.retiredCheckOnDoubleClick;
    if (retiredStep && refuseRetired(cardNumber, viaDoubleClick)) {
        outcome = Outcome::Retired;
    } else if (!memberExists(cardNumber)) {
        ui::error(m_profile.missingTitle, QStringLiteral("此卡号不存在！"));
        outcome = Outcome::Missing;
    } else if (scratch().asBoolean(QStringLiteral("口头挂失标志")) &&
               (m_profile.verbal == CardCheckProfile::Verbal::RefuseWithOffer ||
                m_profile.verbal == CardCheckProfile::Verbal::Refuse)) {
        if (m_profile.verbal == CardCheckProfile::Verbal::Refuse) {
            ui::messageBox(SystemTitle, QStringLiteral("此卡已经口头挂失，不能使用!"),
                           ui::Icon::Question, ui::Buttons::Ok);
        } else if (ui::confirm(
                       SystemTitle,
                       QStringLiteral("此卡已经口头挂失，不能使用,需要打开口头挂失记录吗？"))) {
            app::select(TDM1::instance().ADOQuery10,
                        QStringLiteral("select * from 口头挂失记录 where 会员卡号='") +
                            db::esc(cardNumber) + QStringLiteral("'"));
            app::openOrActivate(QStringLiteral("口头挂失记录"), QStringLiteral("Tkoutoujilu"));
        }
        outcome = Outcome::Blocked;
    }
    if (outcome != Outcome::Loaded) {
        // Whatever was loaded before no longer matches the card box: the
        // operation must not run until a member passes the check again.
        disarm();
        emit refused(outcome);
        return outcome;
    }
    fill(viaDoubleClick);
    arm(cardNumber, viaDoubleClick);
    emit loaded(cardNumber, viaDoubleClick);
    return outcome;
}

bool CardCheck::refuseRetired(const QString& cardNumber, bool viaDoubleClick)
{
    if (!isRetiredNumber(cardNumber))
        return false;
    if (!m_profile.lossRecordsOffer) {
        ui::messageBox(SystemTitle, m_profile.retiredText, ui::Icon::Question, ui::Buttons::Ok);
        return true;
    }
    const QString& text = viaDoubleClick && !m_profile.retiredTextOnDoubleClick.isEmpty()
                              ? m_profile.retiredTextOnDoubleClick
                              : m_profile.retiredText;
    if (ui::confirm(SystemTitle, text)) {
        app::select(TDM1::instance().ADOQuery9,
                    QStringLiteral("select * from 挂失记录 where 旧卡号='") + db::esc(cardNumber) +
                        QStringLiteral("'"));
        app::openOrActivate(QStringLiteral("全部挂失历史记录"), QStringLiteral("Tguashilishi"));
    }
    return true;
}

void CardCheck::fill(bool viaDoubleClick)
{
    db::Query& row = scratch();
    if (viaDoubleClick || m_profile.rewriteCardBoxOnEnter)
        setControlValue(control(QStringLiteral("Edit1")), row.asString(QStringLiteral("会员卡号")),
                        false);
    for (const auto& field : m_profile.fields) {
        QWidget* target = control(field.second);
        if (!target)
            continue;
        const bool flag = qobject_cast<QCheckBox*>(target) && row.asBoolean(field.first);
        setControlValue(target, row.asString(field.first), flag);
    }
}

void CardCheck::arm(const QString& cardNumber, bool viaDoubleClick)
{
    // The card box shows the row's number after a double-click; that is the checked one.
    QString checked = cardNumber;
    if (auto* cardBox = qobject_cast<QLineEdit*>(control(QStringLiteral("Edit1"))))
        checked = cardBox->text();
    m_checked = checked;
    m_loaded = true;
    if (m_profile.keepsCurrentCard)
        m_current = m_checked;
    for (const QString& name : m_profile.armed) {
        if (QWidget* w = control(name))
            w->setEnabled(true);
    }
    if (m_profile.cardBoxReadOnlyWhileLoaded) {
        if (auto* cardBox = qobject_cast<QLineEdit*>(control(QStringLiteral("Edit1"))))
            cardBox->setReadOnly(true);
    }
    const bool moveFocus = !viaDoubleClick || m_profile.focusAfterDoubleClickLoad;
    if (moveFocus && !m_profile.focusAfterLoad.isEmpty()) {
        if (QWidget* w = control(m_profile.focusAfterLoad))
            w->setFocus();
    }
}

void CardCheck::search(const QString& column, const QString& boxName)
{
    QStringList cleared = m_profile.clearedOnSearch;
    for (const auto& field : SearchPanel::Fields) {
        if (QString::fromUtf8(field.box) != boxName)
            cleared << QString::fromUtf8(field.box);
    }
    for (const QString& name : cleared)
        clearControl(control(name));
    disarm();

    auto* box = qobject_cast<QLineEdit*>(control(boxName));
    const QString fragment = box ? box->text() : QString();
    // Quotes are doubled; % and _ stay wildcards of the pattern.
    app::select(TDM1::instance().ADOQuery7,
                QStringLiteral("select 会员卡号,会员姓名,身份证号 from 会员卡信息 where ") +
                    column + QStringLiteral(" like '%") + db::esc(fragment) + QStringLiteral("%'"));
    m_panel->showResults();
}

QWidget* CardCheck::control(const QString& name) const
{
    return m_window->findChild<QWidget*>(name);
}

} // namespace members
