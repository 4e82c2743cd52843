#include "members/memberform.h"
#include "platform/ui/enterkey.h"

#include "app/dm1frm.h"
#include "platform/os/appenv.h"
#include "platform/os/regional.h"
#include "platform/ui/childform.h"

#include <QAbstractButton>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace members
{

OccupationBox::OccupationBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

void OccupationBox::reload()
{
    auto& q = app::select(TDM1::instance().ADOall,
                          QStringLiteral("select distinct 职业 from 会员卡信息 "));
    QStringList occupations;
    for (; !q.eof(); q.next())
        occupations << q.asString(QStringLiteral("职业"));
    clear();
    addItems(occupations);
    setCurrentIndex(-1);
    setEditText(QString());
}

void OccupationBox::showPopup()
{
    reload();
    QComboBox::showPopup();
}

namespace
{

QDateEdit* datePicker(QWidget* parent, const QString& name)
{
    auto* picker = new QDateEdit(parent);
    picker->setObjectName(name);
    picker->setDisplayFormat(os::ShortDateFormat);
    picker->setCalendarPopup(true);
    picker->setMinimumDate(QDate(1752, 9, 14));
    picker->setDate(os::today());
    return picker;
}

} // namespace

MemberForm::MemberForm(QWidget* window, const QString& occupationLabel)
    : QObject(window), m_layout(new QGridLayout)
{
    for (int i = 0; i < 8; ++i) {
        m_edits[i] = new QLineEdit(window);
        m_edits[i]->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
    }
    m_sex = new QComboBox(window);
    m_sex->setObjectName(QStringLiteral("ComboBox2"));
    m_sex->setEditable(true);
    m_sex->setInsertPolicy(QComboBox::NoInsert);
    m_occupation = new OccupationBox(window);
    m_occupation->setObjectName(QStringLiteral("ComboBox1"));
    m_birthday = datePicker(window, QStringLiteral("DateTimePicker1"));
    m_started = datePicker(window, QStringLiteral("DateTimePicker2"));

    const auto row = [this, window](int r, const QString& label, QWidget* control) {
        m_layout->addWidget(new QLabel(label, window), r, 0);
        m_layout->addWidget(control, r, 1);
    };
    row(0, QStringLiteral("会员卡号"), edit(1));
    row(1, QStringLiteral("会员姓名"), edit(2));
    row(2, QStringLiteral("会员性别"), m_sex);
    row(3, occupationLabel, m_occupation);
    row(4, QStringLiteral("身份证号"), edit(3));
    row(5, QStringLiteral("会员生日"), m_birthday);
    row(6, QStringLiteral("地址"), edit(4));
    row(7, QStringLiteral("固定电话"), edit(5));
    row(8, QStringLiteral("手机号码"), edit(6));
    row(9, QStringLiteral("起用日期"), m_started);

    auto* referrer = new QGroupBox(QStringLiteral("刷卡或输入卡号后回车！"), window);
    referrer->setStyleSheet(QStringLiteral("QGroupBox { color: red; }"));
    edit(7)->setToolTip(QStringLiteral("请刷卡或输入引荐人卡号后回车"));
    auto* referrerLayout = new QGridLayout(referrer);
    referrerLayout->addWidget(new QLabel(QStringLiteral("引荐人卡号"), referrer), 0, 0);
    referrerLayout->addWidget(edit(7), 0, 1);
    referrerLayout->addWidget(new QLabel(QStringLiteral("引荐人姓名"), referrer), 1, 0);
    referrerLayout->addWidget(edit(8), 1, 1);
    m_layout->addWidget(referrer, 10, 0, 1, 2);

    QWidget* order[] = {edit(1), edit(2), m_sex,   m_occupation, edit(3), m_birthday,
                        edit(4), edit(5), edit(6), m_started,    edit(7), edit(8)};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void MemberForm::chainEnter()
{
    QWidget* chain[] = {edit(2), m_sex,   m_occupation, edit(3),   m_birthday,
                        edit(4), edit(5), edit(6),      m_started, edit(7)};
    for (size_t i = 1; i < std::size(chain); ++i)
        ui::focusOnEnter(chain[i - 1], chain[i]);
}

void MemberForm::clearEntries()
{
    for (QLineEdit* e : m_edits)
        e->clear();
    m_birthday->setDate(os::today());
    m_started->setDate(os::today());
}

void MemberForm::resetSex()
{
    m_sex->clear();
    m_sex->addItems({QStringLiteral("男"), QStringLiteral("女")});
    m_sex->setCurrentIndex(0);
}

QString MemberForm::birthdayText() const
{
    return os::shortDate(m_birthday->date());
}

QString MemberForm::monthDayText() const
{
    return os::monthDay(m_birthday->date());
}

QString MemberForm::startedText() const
{
    return os::shortDate(m_started->date());
}

QString birthdayFromIdentity(const QString& identity, int currentYear)
{
    QString year, month, day;
    if (identity.size() == 18) {
        year = identity.mid(6, 4);
        month = identity.mid(10, 2);
        day = identity.mid(12, 2);
    } else if (identity.size() == 15) {
        year = identity.mid(6, 2);
        month = identity.mid(8, 2);
        day = identity.mid(10, 2);
        bool digits = false;
        const int twoDigits = year.toInt(&digits);
        if (digits && year.at(0).isDigit() && year.at(1).isDigit()) {
            const int first = currentYear - 50;
            int full = first - first % 100 + twoDigits;
            if (full < first)
                full += 100;
            year = QString::number(full);
        }
        // Otherwise the text stays as it is and the date conversion rejects it.
    } else {
        return QString();
    }
    return year + QLatin1Char('-') + month + QLatin1Char('-') + day;
}

} // namespace members

namespace members
{

} // namespace members
