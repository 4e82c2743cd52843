#include "operators/caozuorenyuanfrm.h"

#include "app/dm1frm.h"
#include "app/navigation.h"
#include "operators/operatorflags.h"
#include "operators/operatortable.h"
#include "operators/xiugaicaozuoyuanfrm.h"
#include "platform/db/sqltext.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/stringgrid.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

namespace
{

const QString AdminCode = QStringLiteral("0001");
const QString AdminName = QStringLiteral("系统管理员");

QPushButton* newButton(QWidget* parent, const QString& name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

Tcaozuorenyuan::Tcaozuorenyuan(QWidget* parent)
    : ui::ChildForm(QPoint(270, 0), parent), m_grid(new ui::AdvStringGrid),
      m_bitBtn1(newButton(this, QStringLiteral("BitBtn1"), QStringLiteral("新增"))),
      m_bitBtn2(newButton(this, QStringLiteral("BitBtn2"), QStringLiteral("修改"))),
      m_bitBtn3(newButton(this, QStringLiteral("BitBtn3"), QStringLiteral("删除"))),
      m_bitBtn4(newButton(this, QStringLiteral("BitBtn4"), QStringLiteral("退出")))
{
    setWindowTitle(QStringLiteral("操作人员设置"));

    auto* listFrame = new QGroupBox(QStringLiteral("操作人员列表"), this);
    m_grid->setParent(listFrame);
    m_grid->setObjectName(QStringLiteral("AdvStringGrid1"));
    m_grid->setColCount(2);
    m_grid->setReadOnly(true);
    m_grid->setToolTip(QStringLiteral("双击编号即在右边显示该操作人员的权限！"));
    (new QVBoxLayout(listFrame))->addWidget(m_grid);

    auto* flagFrame = new QGroupBox(QStringLiteral("权限列表"), this);
    m_flags = operators::createFlagBoxes(flagFrame, operators::FlagCaptions::List);

    auto* panes = new QHBoxLayout;
    panes->addWidget(listFrame);
    panes->addWidget(flagFrame, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {m_bitBtn1, m_bitBtn2, m_bitBtn3, m_bitBtn4})
        buttons->addWidget(button);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panes);
    layout->addLayout(buttons);

    connect(m_grid, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        m_grid->setCurrentGridRow(row); // the code column is fixed and does not select by itself
        showSelectedFlags();
    });
    connect(m_bitBtn1, &QPushButton::clicked, this, &Tcaozuorenyuan::openAdd);
    connect(m_bitBtn2, &QPushButton::clicked, this, &Tcaozuorenyuan::modify);
    connect(m_bitBtn3, &QPushButton::clicked, this, &Tcaozuorenyuan::remove);
    connect(m_bitBtn4, &QPushButton::clicked, this, &ui::ChildForm::closeForm);
    connect(&operators::OperatorTable::instance(), &operators::OperatorTable::changed, this,
            &Tcaozuorenyuan::refresh);
}

// The list shows the table as it is whenever the operator can see it anew:
// shown, brought forward in the frame, or uncovered when a modal window or box
// of ours closes. Never from painting, which the refresh itself would trigger.
void Tcaozuorenyuan::showEvent(QShowEvent* event)
{
    ui::ChildForm::showEvent(event);
    if (!m_watchingFrame) {
        if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
            connect(frame, &QMdiSubWindow::aboutToActivate, this, &Tcaozuorenyuan::refresh);
            m_watchingFrame = true;
        }
    }
    refresh();
}

bool Tcaozuorenyuan::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && isVisible())
        refresh();
    return ui::ChildForm::event(event);
}

void Tcaozuorenyuan::refresh()
{
    QStringList codes;
    QStringList names;
    db::Query& q = app::select(TDM1::instance().ADOall, QStringLiteral("select * from 操作员"));
    for (; !q.eof(); q.next()) {
        const QString code = q.asString(QStringLiteral("操作员"));
        const QString name = q.asString(QStringLiteral("姓名"));
        if (code.isEmpty() && name.isEmpty())
            continue; // the list has never shown rows with neither code nor name
        codes << code;
        names << name;
    }
    // A grid keeps one row under its titles even when the table is empty. The
    // rows are rewritten in place, so a click being delivered keeps its cell.
    m_grid->setRowCount(std::max(int(codes.size()), 1) + 1);
    m_grid->setRowHeight(0, 20);
    m_grid->setCells(0, 0, QStringLiteral("编号"));
    m_grid->setCells(1, 0, QStringLiteral("姓名"));
    for (int column = 0; column < 2; ++column)
        m_grid->setColumnWidth(column, 88);
    for (int row = 1; row < m_grid->rowCountTotal(); ++row) {
        m_grid->setCells(0, row, codes.value(row - 1));
        m_grid->setCells(1, row, names.value(row - 1));
    }
    m_grid->setCurrentGridRow(1);
    showSelectedFlags();
}

void Tcaozuorenyuan::showSelectedFlags()
{
    const db::Query& q =
        app::select(TDM1::instance().ADOall, QStringLiteral("select * from 操作员 where 操作员='") +
                                                 db::esc(selectedCode()) + QStringLiteral("'"));
    operators::showFlags(m_flags, q);
}

QString Tcaozuorenyuan::selectedCode() const
{
    return m_grid->cells(0, m_grid->currentGridRow());
}

QString Tcaozuorenyuan::selectedName() const
{
    return m_grid->cells(1, m_grid->currentGridRow());
}

void Tcaozuorenyuan::openAdd()
{
    app::openOrActivate(QStringLiteral("新增操作人员"), QStringLiteral("Txinzengcaozuorenyuan"));
}

void Tcaozuorenyuan::modify()
{
    const QString code = selectedCode();
    if (code == AdminCode) {
        ui::error(
            QStringLiteral("提示"),
            QStringLiteral("对不起！系统管理员的信息不能修改！如要修改密码，请点击“密码修改”！"));
        return;
    }
    if (code.isEmpty())
        return; // the empty row of an empty table: nobody to modify
    Txiugaicaozuoyuan* window = Txiugaicaozuoyuan::instance();
    window->setEditedCode(code);
    window->exec();
    refresh();
}

void Tcaozuorenyuan::remove()
{
    // Taken before the question: the list re-selects its first row whenever it
    // is uncovered, and the box closing uncovers it.
    const QString code = selectedCode();
    if (code == AdminCode && selectedName() == AdminName) {
        ui::error(QStringLiteral("提示"), QStringLiteral("对不起！系统管理员不能删除！"));
        return;
    }
    if (code.isEmpty())
        return; // the empty row of an empty table: nothing to delete
    if (!ui::confirm(QStringLiteral("删除记录"), QStringLiteral("确实删除记录？该操作不可恢复！")))
        return;
    app::execute(TDM1::instance().ADOall,
                 QStringLiteral("delete 操作员 from 操作员 where 操作员='") + db::esc(code) +
                     QStringLiteral("'"));
    ui::information(QStringLiteral("提示"), QStringLiteral("删除操作人员成功！"));
    refresh();
}
