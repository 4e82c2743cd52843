#include "members/tuanduifrm.h"

#include "app/dm1frm.h"
#include "platform/db/sqltext.h"
#include "platform/ui/dbgrid.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/gridexport.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

QPointer<Ttuandui>& theInstance()
{
    static QPointer<Ttuandui> window;
    return window;
}

} // namespace

void Ttuandui::createHidden(QWidget* owner)
{
    delete theInstance().data();
    theInstance() = new Ttuandui(owner);
}

Ttuandui* Ttuandui::instance()
{
    if (!theInstance())
        createHidden();
    return theInstance();
}

Ttuandui::Ttuandui(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("查看团队"));
    buildControls();
}

void Ttuandui::buildControls()
{
    m_edit1 = new QLineEdit(this);
    m_edit1->setObjectName(QStringLiteral("Edit1"));
    m_edit1->setReadOnly(true);
    m_edit2 = new QLineEdit(this);
    m_edit2->setObjectName(QStringLiteral("Edit2"));
    m_edit2->setReadOnly(true);

    auto* group = new QGroupBox(QStringLiteral("团队成员信息"), this);
    m_grid = new ui::DBGridEh(group);
    m_grid->setObjectName(QStringLiteral("DBGridEh1"));
    ui::GridColumn card;
    card.field = QStringLiteral("团队成员卡号");
    card.width = 200;
    card.alignment = Qt::AlignCenter;
    card.footer = ui::GridColumn::Footer::Text;
    card.footerText = QStringLiteral("合计人数");
    ui::GridColumn name;
    name.field = QStringLiteral("团队成员姓名");
    name.width = 150;
    name.alignment = Qt::AlignCenter;
    name.footer = ui::GridColumn::Footer::Count;
    m_grid->setColumns({card, name});
    m_grid->setFooterVisible(true);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_grid);

    m_bitBtn1 = new QPushButton(QStringLiteral("EXCEL"), this);
    m_bitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    m_bitBtn2 = new QPushButton(QStringLiteral("退出"), this);
    m_bitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    for (QPushButton* b : {m_bitBtn1, m_bitBtn2})
        b->setAutoDefault(false);

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("卡号"), m_edit1);
    fields->addRow(QStringLiteral("姓名"), m_edit2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_bitBtn1);
    buttons->addWidget(m_bitBtn2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(group);
    layout->addLayout(buttons);

    connect(m_bitBtn1, &QPushButton::clicked, this, &Ttuandui::exportList);
    connect(m_bitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void Ttuandui::showTeam(const QString& card, const QString& name)
{
    m_edit1->setText(card);
    m_edit2->setText(name);
    auto& query = TDM1::instance().ADOQuery13;
    app::select(query, QStringLiteral("select * from 团队 where 卡号='") + db::esc(card) +
                           QStringLiteral("'"));
    m_grid->setDataSource(&query);
    exec();
}

void Ttuandui::exportList()
{
    if (ui::exportGrid(*m_grid))
        ui::information(QStringLiteral("提示"), QStringLiteral("导出数据成功！"));
}
