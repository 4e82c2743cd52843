#include "operators/xiugaicaozuoyuanfrm.h"

#include "app/dm1frm.h"
#include "operators/operatorform.h"
#include "operators/operatortable.h"
#include "platform/ui/dialogs.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

namespace
{
QPointer<Txiugaicaozuoyuan> g_instance;
}

Txiugaicaozuoyuan::Txiugaicaozuoyuan(QWidget* parent)
    : QDialog(parent), m_form(new operators::OperatorForm(this))
{
    setWindowTitle(QStringLiteral("修改操作人员"));
    m_form->setCodeReadOnly(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_form);
    connect(m_form, &operators::OperatorForm::saveClicked, this, &Txiugaicaozuoyuan::save);
    connect(m_form, &operators::OperatorForm::exitClicked, this, &QDialog::reject);
}

void Txiugaicaozuoyuan::createHidden(QWidget* parent)
{
    delete g_instance.data();
    g_instance = new Txiugaicaozuoyuan(parent);
}

Txiugaicaozuoyuan* Txiugaicaozuoyuan::instance()
{
    if (!g_instance)
        createHidden();
    return g_instance;
}

void Txiugaicaozuoyuan::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    m_form->load(m_editedCode);
}

void Txiugaicaozuoyuan::save()
{
    if (!m_form->checkCodeGiven() || !m_form->checkPasswordsMatch())
        return;
    const QString sql = m_form->updateSql(m_editedCode);
    if (!app::transact([&] { app::execute(TDM1::instance().ADOall, sql); }))
        return;
    operators::OperatorTable::instance().notifyChanged();
    ui::information(QStringLiteral("提示"), QStringLiteral("修改操作人员成功！请牢记编号和密码！"));
    accept();
}
