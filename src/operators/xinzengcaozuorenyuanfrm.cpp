#include "operators/xinzengcaozuorenyuanfrm.h"

#include "app/dm1frm.h"
#include "operators/operatorform.h"
#include "operators/operatortable.h"
#include "platform/ui/dialogs.h"

#include <QShowEvent>
#include <QVBoxLayout>

Txinzengcaozuorenyuan::Txinzengcaozuorenyuan(QWidget* parent)
    : ui::ChildForm(QPoint(250, 0), parent), m_form(new operators::OperatorForm(this))
{
    setWindowTitle(QStringLiteral("新增操作人员"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_form);
    connect(m_form, &operators::OperatorForm::saveClicked, this, &Txinzengcaozuorenyuan::save);
    connect(m_form, &operators::OperatorForm::exitClicked, this, &ui::ChildForm::closeForm);
}

void Txinzengcaozuorenyuan::showEvent(QShowEvent* event)
{
    ui::ChildForm::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    m_form->clear();
}

void Txinzengcaozuorenyuan::save()
{
    if (!m_form->checkCodeGiven() || !m_form->checkCodeFree() || !m_form->checkPasswordsMatch())
        return;
    const QString sql = m_form->insertSql();
    if (!app::transact([&] { app::execute(TDM1::instance().ADOall, sql); }))
        return;
    operators::OperatorTable::instance().notifyChanged();
    ui::information(QStringLiteral("提示"), QStringLiteral("新增操作人员成功！"));
    m_form->clear();
}
