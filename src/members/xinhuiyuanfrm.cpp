#include "members/xinhuiyuanfrm.h"
#include "platform/ui/enterkey.h"

#include "app/dm1frm.h"
#include "members/cardcheck.h"
#include "members/memberform.h"
#include "members/xiugaifrm.h"
#include "platform/db/sqltext.h"
#include "platform/os/appenv.h"
#include "platform/os/regional.h"
#include "platform/ui/application.h"
#include "platform/ui/dialogs.h"

#include <QDateEdit>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace
{

QString quoted(const QStringList& values)
{
    QStringList escaped;
    for (const QString& v : values)
        escaped << db::esc(v);
    return QStringLiteral("'") + escaped.join(QStringLiteral("','")) + QStringLiteral("')");
}

// A focus change caused by another window or a popup is not the operator leaving the box.
bool leftByOperator(const QEvent* event)
{
    if (event->type() != QEvent::FocusOut)
        return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

// The card box takes digits and control keys only.
bool refusedCardKey(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const QString text = static_cast<const QKeyEvent*>(event)->text();
    return !text.isEmpty() && text.at(0).unicode() >= 32 && !text.at(0).isDigit();
}

} // namespace

Txinhuiyuan::Txinhuiyuan(QWidget* parent) : ui::ChildForm(QPoint(250, 0), parent)
{
    buildControls();
    resetForm();
}

void Txinhuiyuan::buildControls()
{
    m_form = new members::MemberForm(this, QStringLiteral("职   业"));
    m_bitBtn1 = new QPushButton(QStringLiteral("保存"), this);
    m_bitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    m_bitBtn3 = new QPushButton(QStringLiteral("修改/删除/查看团队"), this);
    m_bitBtn3->setObjectName(QStringLiteral("BitBtn3"));
    m_bitBtn5 = new QPushButton(QStringLiteral("批量导入会员档案"), this);
    m_bitBtn5->setObjectName(QStringLiteral("BitBtn5"));
    m_bitBtn4 = new QPushButton(QStringLiteral("退出"), this);
    m_bitBtn4->setObjectName(QStringLiteral("BitBtn4"));

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_bitBtn1, m_bitBtn3, m_bitBtn5, m_bitBtn4})
        buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(m_form->layout());
    layout->addLayout(buttons);
    setTabOrder(m_form->edit(8), m_bitBtn1);

    QLineEdit* cardBox = m_form->edit(1);
    cardBox->setAttribute(Qt::WA_InputMethodEnabled, false);
    cardBox->installEventFilter(this);
    m_form->edit(3)->installEventFilter(this);
    ui::focusOnEnter(cardBox, m_form->edit(2));
    m_form->chainEnter();
    ui::focusOnEnter(m_form->edit(8), m_bitBtn1);
    connect(m_form->edit(7), &QLineEdit::returnPressed, this, &Txinhuiyuan::lookUpReferrer);

    for (QPushButton* b : {m_bitBtn1, m_bitBtn3, m_bitBtn5, m_bitBtn4})
        ui::clickOnEnter(b);
    connect(m_bitBtn1, &QPushButton::clicked, this, &Txinhuiyuan::save);
    connect(m_bitBtn3, &QPushButton::clicked, this, &Txinhuiyuan::openModification);
    // 批量导入会员档案 shows the import window, which is not part of the program yet.
    connect(m_bitBtn4, &QPushButton::clicked, this, &Txinhuiyuan::closeForm);
}

void Txinhuiyuan::showEvent(QShowEvent* event)
{
    ui::ChildForm::showEvent(event);
    if (!event->spontaneous())
        resetForm();
}

void Txinhuiyuan::resetForm()
{
    m_form->resetSex();
    m_form->clearEntries();
    m_form->occupation()->clear();
    m_form->occupation()->setEditText(QString());
}

bool Txinhuiyuan::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_form->edit(1)) {
        if (refusedCardKey(event))
            return true;
        if (leftByOperator(event))
            refuseCardNumber();
    } else if (watched == m_form->edit(3) && leftByOperator(event)) {
        deriveBirthday();
    }
    return ui::ChildForm::eventFilter(watched, event);
}

bool Txinhuiyuan::refuseCardNumber()
{
    QLineEdit* cardBox = m_form->edit(1);
    const QString number = cardBox->text();
    if (members::isRetiredNumber(number)) {
        ui::messageBox(QStringLiteral("系统提示"), QStringLiteral("此卡已经挂失，不能使用!"),
                       ui::Icon::Question, ui::Buttons::Ok);
    } else if (members::memberExists(number)) {
        ui::error(QStringLiteral("提示"), QStringLiteral("此卡号已经存在！"));
    } else {
        return false;
    }
    cardBox->clear();
    cardBox->setFocus();
    return true;
}

void Txinhuiyuan::deriveBirthday()
{
    const QString text = members::birthdayFromIdentity(m_form->edit(3)->text(), os::today().year());
    if (text.isEmpty())
        return;
    // A number that gives no valid date is reported; the picker and the focus
    // change go on undisturbed.
    try {
        m_form->birthday()->setDate(os::parseShortDate(text));
    } catch (const std::exception& e) {
        ui::reportException(e);
    }
}

void Txinhuiyuan::lookUpReferrer()
{
    auto& q = app::select(TDM1::instance().ADOall,
                          QStringLiteral("select * from 会员卡信息 where 会员卡号='") +
                              db::esc(m_form->edit(7)->text()) + QStringLiteral("'"));
    if (q.eof()) {
        ui::error(QStringLiteral("提示"), QStringLiteral("引荐人卡号不存在！"));
        return;
    }
    m_form->edit(8)->setText(q.asString(QStringLiteral("会员姓名")));
    m_form->edit(8)->setFocus();
}

void Txinhuiyuan::save()
{
    if (m_form->edit(1)->text().isEmpty()) {
        ui::messageBox(QStringLiteral("系统提示"), QStringLiteral("卡号不能为空!"),
                       ui::Icon::Question, ui::Buttons::Ok);
        return;
    }
    if (refuseCardNumber())
        return;
    if (!app::transact([this] { insertMember(); }))
        return;
    ui::information(QStringLiteral("提示"), QStringLiteral("新增会员成功！"));
    // The occupation stays for the next member of the same trade.
    m_form->clearEntries();
    m_form->sex()->setCurrentText(QStringLiteral("男"));
    m_form->edit(1)->setFocus();
}

void Txinhuiyuan::insertMember()
{
    auto& q = TDM1::instance().ADOall;
    const auto e = [this](int n) { return m_form->edit(n)->text(); };
    app::execute(q,
                 QStringLiteral(
                     "insert into 会员卡信息([职业],[生日],[会员卡号],[会员姓名],[性别],[身份证号],"
                     "[会员生日],[地址],[固定电话],[手机],[引荐人卡号],[引荐人姓名],[起用日期]) "
                     "values (") +
                     quoted({m_form->occupation()->currentText(), m_form->monthDayText(), e(1),
                             e(2), m_form->sex()->currentText(), e(3), m_form->birthdayText(), e(4),
                             e(5), e(6), e(7), e(8), m_form->startedText()}));
    if (e(7).isEmpty())
        return;
    app::execute(q, QStringLiteral("insert into 团队([卡号],[姓名],[团队成员卡号],[团队成员姓名]) "
                                   "values (") +
                        quoted({e(7), e(8), e(1), e(2)}));
}

void Txinhuiyuan::openModification()
{
    Txiugai dialog(this);
    dialog.exec();
}
