#include "operators/operatorform.h"
#include "platform/ui/enterkey.h"

#include "app/dm1frm.h"
#include "operators/operatorflags.h"
#include "platform/db/sqltext.h"
#include "platform/ui/childform.h"
#include "platform/ui/dialogs.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace operators
{
namespace
{

QLineEdit* newEdit(QWidget* parent, const QString& name, bool password)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    if (password)
        edit->setEchoMode(QLineEdit::Password);
    return edit;
}

QPushButton* newButton(QWidget* parent, const QString& name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

QString quoted(const QStringList& values)
{
    return QStringLiteral("'") + values.join(QStringLiteral("','")) + QStringLiteral("'");
}

const QString Selected = QStringLiteral("全选");
const QString Cleared = QStringLiteral("全清");

} // namespace

OperatorForm::OperatorForm(QWidget* parent)
    : QWidget(parent), m_edit1(newEdit(this, QStringLiteral("Edit1"), false)),
      m_edit2(newEdit(this, QStringLiteral("Edit2"), false)),
      m_edit3(newEdit(this, QStringLiteral("Edit3"), true)),
      m_edit4(newEdit(this, QStringLiteral("Edit4"), true)),
      m_button1(newButton(this, QStringLiteral("Button1"), Selected)),
      m_bitBtn1(newButton(this, QStringLiteral("BitBtn1"), QStringLiteral("保存"))),
      m_bitBtn3(newButton(this, QStringLiteral("BitBtn3"), QStringLiteral("退出")))
{
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("编号"), m_edit1);
    fields->addRow(QStringLiteral("姓名"), m_edit2);
    fields->addRow(QStringLiteral("密码"), m_edit3);
    fields->addRow(QStringLiteral("重复密码"), m_edit4);

    auto* flagFrame = new QGroupBox(this);
    m_flags = createFlagBoxes(flagFrame, FlagCaptions::Editor);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_button1);
    buttons->addStretch();
    buttons->addWidget(m_bitBtn1);
    buttons->addWidget(m_bitBtn3);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(flagFrame);
    layout->addLayout(buttons);

    ui::focusOnEnter(m_edit1, m_edit2);
    ui::focusOnEnter(m_edit2, m_edit3);
    ui::focusOnEnter(m_edit3, m_edit4);
    ui::focusOnEnter(m_edit4, m_bitBtn1);

    connect(m_button1, &QPushButton::clicked, this, &OperatorForm::toggleAll);
    connect(m_bitBtn1, &QPushButton::clicked, this, &OperatorForm::saveClicked);
    connect(m_bitBtn3, &QPushButton::clicked, this, &OperatorForm::exitClicked);
}

void OperatorForm::setCodeReadOnly(bool readOnly)
{
    m_edit1->setReadOnly(readOnly);
}

QString OperatorForm::code() const
{
    return m_edit1->text();
}

void OperatorForm::clear()
{
    for (QLineEdit* edit : {m_edit1, m_edit2, m_edit3, m_edit4})
        edit->clear();
    m_edit1->setFocus();
    setAllFlags(m_flags, false);
}

void OperatorForm::load(const QString& code)
{
    m_edit2->clear();
    m_edit3->clear();
    m_edit4->clear();
    m_edit1->setText(code);
    const db::Query& q =
        app::select(TDM1::instance().ADOall, QStringLiteral("select * from 操作员 where 操作员='") +
                                                 db::esc(code) + QStringLiteral("'"));
    if (!q.eof()) {
        m_edit2->setText(q.asString(QStringLiteral("姓名")));
        m_edit3->setText(q.asString(QStringLiteral("密码")));
    }
    showFlags(m_flags, q);
}

bool OperatorForm::checkCodeGiven()
{
    if (!m_edit1->text().isEmpty())
        return true;
    ui::error(QStringLiteral("提示"), QStringLiteral("编号不能为空！"));
    m_edit1->clear();
    return false;
}

bool OperatorForm::checkPasswordsMatch()
{
    if (m_edit3->text() == m_edit4->text())
        return true;
    ui::error(QStringLiteral("提示"), QStringLiteral("两次密码不一致！"));
    m_edit3->clear();
    m_edit4->clear();
    return false;
}

bool OperatorForm::checkCodeFree()
{
    if (!codeExists())
        return true;
    ui::error(QStringLiteral("提示"), QStringLiteral("此编号已经存在！"));
    m_edit1->clear();
    return false;
}

bool OperatorForm::codeExists() const
{
    const db::Query& q = app::select(TDM1::instance().ADOall,
                                     QStringLiteral("select * from 操作员 where 操作员 ='") +
                                         db::esc(code()) + QStringLiteral("'"));
    return !q.eof() && !q.asString(QStringLiteral("操作员")).isEmpty();
}

QStringList OperatorForm::flagTexts(int first, int last) const
{
    QStringList texts;
    for (int flag = first; flag <= last; ++flag)
        texts << flagText(m_flags[flag - 1]);
    return texts;
}

// Sent as three lines, as the statement has always been written.
QString OperatorForm::insertSql() const
{
    const QStringList head =
        QStringList{db::esc(m_edit1->text()), db::esc(m_edit2->text()), db::esc(m_edit3->text())} +
        flagTexts(1, 3);
    return QStringLiteral("insert into 操作员([操作员],[姓名],[密码],[1],[2],[3],[4],[5],[6],[7],"
                          "[8],[9],[10],[11],[12],[13],[14],[15],[16],[17],[18],[19],[20],[21]) "
                          "values (") +
           quoted(head) + QStringLiteral(",\r\n") + quoted(flagTexts(4, 11)) +
           QStringLiteral(",\r\n") + quoted(flagTexts(12, 21)) + QStringLiteral(")");
}

QString OperatorForm::updateSql(const QString& editedCode) const
{
    const auto assignments = [this](int first, int last) {
        QStringList parts;
        for (int flag = first; flag <= last; ++flag)
            parts << QStringLiteral("[%1]='%2'").arg(flag).arg(flagText(m_flags[flag - 1]));
        return parts.join(QLatin1Char(','));
    };
    return QStringLiteral("update 操作员 set 操作员='") + db::esc(m_edit1->text()) +
           QStringLiteral("',姓名='") + db::esc(m_edit2->text()) + QStringLiteral("',密码='") +
           db::esc(m_edit3->text()) + QStringLiteral("',") + assignments(1, 7) +
           QStringLiteral(",\r\n") + assignments(8, 15) + QStringLiteral(",\r\n") +
           assignments(16, 21) + QStringLiteral(" where 操作员='") + db::esc(editedCode) +
           QStringLiteral("'");
}

void OperatorForm::toggleAll()
{
    const bool selectAll = m_button1->text() == Selected;
    setAllFlags(m_flags, selectAll);
    m_button1->setText(selectAll ? Cleared : Selected);
}

} // namespace operators
