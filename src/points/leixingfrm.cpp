#include "points/leixingfrm.h"
#include "platform/ui/enterkey.h"

#include "app/dm1frm.h"
#include "platform/db/sqltext.h"
#include "platform/ui/dbgrid.h"
#include "platform/ui/dialogs.h"
#include "points/categorychecks.h"
#include "points/leixingxiugaifrm.h"
#include "points/numbers.h"

#include <QFocusEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

const QString DuplicateText =
    QStringLiteral("该消费类别名称已经存在！请重新设定一个新的消费类别名称！");

QPushButton* button(const QString& caption, const char* name, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

} // namespace

Tleixing::Tleixing(QWidget* parent) : ui::ChildForm(QPoint(100, 0), parent)
{
    buildControls();
    m_edit1->clear();
    m_edit3->clear();
    reopenList();
    m_edit1->setFocus();

    ui::focusOnEnter(m_edit1, m_edit3);
    connect(m_edit3, &QLineEdit::returnPressed, m_bitBtn4, &QPushButton::click);
    m_edit1->installEventFilter(this);
    connect(m_bitBtn2, &QPushButton::clicked, this, &Tleixing::change);
    connect(m_grid, &ui::DBGridEh::rowDoubleClicked, this, &Tleixing::change);
    connect(m_bitBtn3, &QPushButton::clicked, this, &Tleixing::remove);
    connect(m_bitBtn4, &QPushButton::clicked, this, &Tleixing::save);
    connect(m_bitBtn5, &QPushButton::clicked, this, &Tleixing::closeForm);
}

void Tleixing::buildControls()
{
    auto* entry = new QGroupBox(QStringLiteral("消费类别详细信息"), this);
    entry->setObjectName(QStringLiteral("GroupBox2"));
    m_edit1 = new QLineEdit(entry);
    m_edit1->setObjectName(QStringLiteral("Edit1"));
    m_edit3 = new QLineEdit(entry);
    m_edit3->setObjectName(QStringLiteral("Edit3"));
    m_edit3->setToolTip(QStringLiteral("消费多少元积1分"));
    points::acceptNumberKeysOnly(m_edit3);
    auto* form = new QFormLayout(entry);
    form->addRow(QStringLiteral("消费类别名称"), m_edit1);
    form->addRow(QStringLiteral("本消费类别积分比例"), m_edit3);

    auto* list = new QGroupBox(QStringLiteral("消费类别列表"), this);
    list->setObjectName(QStringLiteral("GroupBox3"));
    m_grid = new ui::DBGridEh(list);
    m_grid->setObjectName(QStringLiteral("DBGridEh1"));
    m_grid->setRowSelect(true);
    ui::GridColumn name;
    name.field = QStringLiteral("消费类别");
    name.width = 150;
    name.alignment = Qt::AlignCenter;
    ui::GridColumn ratio;
    ratio.field = QStringLiteral("积分比例");
    ratio.width = 110;
    ratio.alignment = Qt::AlignCenter;
    m_grid->setColumns({name, ratio});
    m_grid->setDataSource(&TDM1::instance().ADOQuery4);
    (new QVBoxLayout(list))->addWidget(m_grid);

    m_bitBtn2 = button(QStringLiteral("修改消费类别"), "BitBtn2", this);
    m_bitBtn3 = button(QStringLiteral("删除消费类别"), "BitBtn3", this);
    m_bitBtn4 = button(QStringLiteral("保存"), "BitBtn4", this);
    m_bitBtn5 = button(QStringLiteral("退出"), "BitBtn5", this);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {m_bitBtn4, m_bitBtn2, m_bitBtn3, m_bitBtn5})
        buttons->addWidget(b);

    auto* left = new QVBoxLayout;
    left->addWidget(entry);
    left->addWidget(points::categoryHelp(this));
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addWidget(list, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
}

void Tleixing::reopenList()
{
    app::select(TDM1::instance().ADOQuery4, QStringLiteral("select * from 消费类别 "));
}

bool Tleixing::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edit1 && event->type() == QEvent::FocusOut) {
        // Only a move inside the window is leaving the box; a message box or
        // another application taking the focus is not.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            checkNameOnLeave();
    }
    return ui::ChildForm::eventFilter(watched, event);
}

bool Tleixing::nameTaken()
{
    db::Query& q = app::select(TDM1::instance().ADOall,
                               QStringLiteral("select * from 消费类别 where 消费类别='") +
                                   db::esc(m_edit1->text()) + QStringLiteral("'"));
    if (q.eof())
        return false;
    ui::error(QStringLiteral("提示"), DuplicateText);
    m_edit1->clear();
    m_edit1->setFocus();
    return true;
}

void Tleixing::checkNameOnLeave()
{
    nameTaken();
}

void Tleixing::save()
{
    if (!points::categoryNameGiven(m_edit1))
        return;
    if (m_edit3->text().isEmpty())
        m_edit3->setText(QStringLiteral("1"));
    if (nameTaken() || !points::ratioAccepted(m_edit3))
        return;
    const QString insert = QStringLiteral("insert into 消费类别([消费类别],[积分比例]) values ('") +
                           db::esc(m_edit1->text()) + QStringLiteral("',") + m_edit3->text() +
                           QStringLiteral(")");
    if (!app::transact([&] { app::execute(TDM1::instance().ADOall, insert); }))
        return;
    ui::information(QStringLiteral("提示"), QStringLiteral("新增消费类别成功！"));
    m_edit1->clear();
    m_edit3->setText(QStringLiteral("1"));
    reopenList();
    m_edit1->setFocus();
}

int Tleixing::selectedRow() const
{
    const int row = m_grid->currentIndex().row();
    return row < 0 ? 0 : row;
}

void Tleixing::change()
{
    db::Query& list = TDM1::instance().ADOQuery4;
    if (list.isEmpty())
        return;
    list.setRecNo(selectedRow());
    Tleixingxiugai* dialog = Tleixingxiugai::instance();
    dialog->edit(list.asString(QStringLiteral("消费类别")),
                 list.asString(QStringLiteral("积分比例")));
}

void Tleixing::remove()
{
    db::Query& list = TDM1::instance().ADOQuery4;
    if (list.isEmpty())
        return;
    if (!ui::confirm(QStringLiteral("删除提示"),
                     QStringLiteral("确实删除当前消费类别？该操作不可恢复！")))
        return;
    list.setRecNo(selectedRow());
    list.deleteCurrent();
    ui::information(QStringLiteral("提示"), QStringLiteral("删除当前消费类别成功！"));
}
