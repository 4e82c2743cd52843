#include "points/Unit2.h"
#include "platform/ui/enterkey.h"

#include "app/dm1frm.h"
#include "app/session.h"
#include "members/cardcheck.h"
#include "members/searchpanel.h"
#include "platform/db/sqltext.h"
#include "platform/os/regional.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/stringgrid.h"
#include "points/ledgerwrites.h"
#include "points/listcombo.h"
#include "points/numbers.h"
#include "points/receipt.h"

#include <QApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace
{

const QString Prompt = QStringLiteral("提示");
const QString ReasonsSql = QStringLiteral("select distinct 增减原因 from 流水记录");

QLabel* redHint(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: red"));
    return label;
}

QStringList reasons()
{
    return points::distinctValues(ReasonsSql, QStringLiteral("增减原因"));
}

} // namespace

Tzengjiajifen::Tzengjiajifen(QWidget* parent) : points::LedgerForm(QPoint(120, 0), parent)
{
    buildControls();
    startCardCheck(members::CardCheckProfile::zengjiajifen());
    connectKeys();

    m_comboBox2->clear();
    prepareGrid();
    points::fillList(
        m_comboBox1,
        points::distinctValues(QStringLiteral("select distinct 消费类别 from 消费类别 "),
                               QStringLiteral("消费类别")),
        true);
    m_comboBox2->refill(true);
    for (int i = 1; i <= 16; ++i)
        box(QStringLiteral("Edit%1").arg(i))->clear();
    m_comboBox1->setFocus();
    awaitCard({m_edit12, m_edit13, m_bitBtn1});
}

Tzengjiajifen::~Tzengjiajifen() = default;

void Tzengjiajifen::buildControls()
{
    QLabel* title = heading(QStringLiteral("会员消费增加积分"));

    m_comboBox1 = new QComboBox(this);
    m_comboBox1->setObjectName(QStringLiteral("ComboBox1"));
    QGridLayout* fields = buildMemberBoxes(memberParticulars({{"Edit15", "引荐人卡号"},
                                                              {"Edit16", "引荐人姓名"},
                                                              {"Edit12", "本次消费金额"},
                                                              {"Edit13", "本次增加积分"},
                                                              {"Edit14", ""}}));
    m_edit12 = box(QStringLiteral("Edit12"));
    m_edit13 = box(QStringLiteral("Edit13"));
    m_edit14 = box(QStringLiteral("Edit14"));
    m_edit12->setReadOnly(false);
    points::acceptNumberKeysOnly(m_edit12);
    m_edit14->hide();
    m_edit12->installEventFilter(this);

    m_comboBox2 = new points::RefillingComboBox(reasons, this);
    m_comboBox2->setObjectName(QStringLiteral("ComboBox2"));
    m_bitBtn1 = new QPushButton(QStringLiteral("确定"), this);
    m_bitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    m_bitBtn1->setAutoDefault(true);
    m_bitBtn2 = new QPushButton(QStringLiteral("退出"), this);
    m_bitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    auto* label21 = new QLabel(QStringLiteral("编号："), this);
    label21->setObjectName(QStringLiteral("Label21"));
    label21->hide();

    auto* purchases = new QGroupBox(QStringLiteral("本次消费详细情况"), this);
    purchases->setObjectName(QStringLiteral("GroupBox3"));
    m_grid = new ui::AdvStringGrid(purchases);
    m_grid->setObjectName(QStringLiteral("AdvStringGrid1"));
    (new QVBoxLayout(purchases))->addWidget(m_grid);

    auto* help = new QGroupBox(QStringLiteral("说明"), this);
    help->setObjectName(QStringLiteral("GroupBox5"));
    (new QVBoxLayout(help))
        ->addWidget(
            new QLabel(QStringLiteral("1、输入错误的记录请在积分历史记录中删除后重新录入。\n"
                                      "2、不需要记录消费项目时，可以直接输入消费金额。\n"
                                      "3、输入过的消费项目和金额，以后会在表格的下拉列表中列出。"),
                       help));

    auto* top = new QFormLayout;
    top->addRow(QString(), redHint(QStringLiteral("请先选择消费类型"), this));
    top->addRow(QStringLiteral("消费类型"), m_comboBox1);
    top->addRow(QString(), redHint(QStringLiteral("刷卡或输入卡号后回车"), this));
    auto* reason = new QFormLayout;
    reason->addRow(QStringLiteral("积分增减原因"), m_comboBox2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_bitBtn1);
    buttons->addWidget(m_bitBtn2);

    auto* left = new QVBoxLayout;
    left->addLayout(top);
    left->addLayout(fields);
    left->addLayout(reason);
    left->addLayout(buttons);
    auto* right = new QVBoxLayout;
    right->addWidget(purchases, 1);
    right->addWidget(help);
    right->addWidget(m_panel);
    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addLayout(body);
}

void Tzengjiajifen::prepareGrid()
{
    m_grid->setColCount(3);
    m_grid->setRowCount(Lines + 1);
    m_grid->setCells(0, 0, QStringLiteral("序号"));
    m_grid->setCells(1, 0, QStringLiteral("消费项目"));
    m_grid->setCells(2, 0, QStringLiteral("金额"));
    for (int row = 1; row <= Lines; ++row)
        m_grid->setCells(0, row, QString::number(row));
    const int widths[] = {35, 190, 80};
    for (int column = 0; column < 3; ++column)
        m_grid->setColumnWidth(column, widths[column]);
    for (int row = 0; row <= Lines; ++row)
        m_grid->setRowHeight(row, 20);
    m_grid->setComboEditor(1, [this](int) { return itemSuggestions(); });
    m_grid->setComboEditor(2, [this](int row) { return amountSuggestions(row); });
}

void Tzengjiajifen::connectKeys()
{
    ui::focusOnEnter(m_comboBox1, box(QStringLiteral("Edit1")));
    connect(m_comboBox1, qOverload<int>(&QComboBox::activated), this,
            [this] { box(QStringLiteral("Edit1"))->setFocus(); });
    ui::focusOnEnter(m_edit12, m_comboBox2);
    ui::onEnter(m_comboBox2, [this] { m_bitBtn1->setFocus(); });
    connect(m_comboBox2, qOverload<int>(&QComboBox::activated), this,
            [this] { m_bitBtn1->setFocus(); });
    connect(m_edit12, &QLineEdit::textChanged, this, &Tzengjiajifen::computePoints);
    connect(qApp, &QApplication::focusChanged, this, &Tzengjiajifen::focusChanged);
    connect(m_bitBtn1, &QPushButton::clicked, this, &Tzengjiajifen::save);
    connect(m_bitBtn2, &QPushButton::clicked, this, &Tzengjiajifen::closeForm);
}

QStringList Tzengjiajifen::itemSuggestions() const
{
    return points::distinctValues(QStringLiteral("select distinct 消费项目 from 消费记录 "),
                                  QStringLiteral("消费项目"));
}

QStringList Tzengjiajifen::amountSuggestions(int row) const
{
    return points::distinctValues(
        QStringLiteral("select distinct 消费金额 from 消费记录 where 消费项目 = '") +
            db::esc(m_grid->cells(1, row)) + QStringLiteral("'"),
        QStringLiteral("消费金额"));
}

bool Tzengjiajifen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edit12 && event->type() == QEvent::FocusIn &&
        m_edit12->text() == QLatin1String("0"))
        m_edit12->clear();
    return points::LedgerForm::eventFilter(watched, event);
}

// Leaving the grid is the focus moving from the grid or its in-place editor
// to another control of this window.
void Tzengjiajifen::focusChanged(QWidget* old, QWidget* now)
{
    const auto inGrid = [this](QWidget* w) {
        return w && (w == m_grid || m_grid->isAncestorOf(w));
    };
    if (inGrid(old) && !inGrid(now) && now && isAncestorOf(now))
        leaveGrid();
}

int Tzengjiajifen::firstIncompleteLine() const
{
    for (int row = 1; row <= Lines; ++row) {
        const bool item = !m_grid->cells(1, row).isEmpty();
        const bool amount = !m_grid->cells(2, row).isEmpty();
        if (item != amount)
            return row;
    }
    return 0;
}

void Tzengjiajifen::leaveGrid()
{
    if (const int row = firstIncompleteLine()) {
        ui::error(Prompt, QStringLiteral("请将所购商品表格填写完整！"));
        m_grid->setCurrentGridRow(row);
        return;
    }
    double total = 0;
    QString items;
    for (int row = 1; row <= Lines; ++row) {
        if (m_grid->cells(1, row).isEmpty())
            continue;
        total += points::toNumber(m_grid->cells(2, row));
        items += QLatin1Char(' ') + m_grid->cells(1, row);
    }
    const QString amount = os::numberText(total);
    if (m_edit12->text() == amount)
        computePoints(); // setting the same text is a change too, as the points may be stale
    else
        m_edit12->setText(amount);
    m_edit14->setText(items);
}

void Tzengjiajifen::computePoints()
{
    if (m_edit12->text().isEmpty())
        return;
    if (m_comboBox1->currentIndex() < 0) {
        ui::error(Prompt, QStringLiteral("请选择正确的消费类型！"));
        m_comboBox1->setFocus();
        return;
    }
    db::Query& q = app::select(TDM1::instance().ADOall,
                               QStringLiteral("select 积分比例 from 消费类别 where 消费类别='") +
                                   db::esc(m_comboBox1->currentText()) + QStringLiteral("'"));
    const double ratio = q.eof() ? 0 : q.asFloat(QStringLiteral("积分比例"));
    if (ratio == 0)
        return;
    const double amount = points::toNumber(m_edit12->text());
    m_edit13->setText(os::numberText(points::pointsFor(amount, ratio)));
}

bool Tzengjiajifen::validate()
{
    if (m_comboBox1->currentIndex() < 0) {
        ui::error(Prompt, QStringLiteral("请选择正确的消费类型！"));
        m_comboBox1->setFocus();
        return false;
    }
    if (m_comboBox2->currentText().isEmpty()) {
        ui::error(Prompt, QStringLiteral("请填写正确的积分增减原因！"));
        m_comboBox2->setFocus();
        return false;
    }
    if (const int row = firstIncompleteLine()) {
        ui::error(Prompt, QStringLiteral("请将消费详细情况填写完整！"));
        m_grid->setCurrentGridRow(row);
        return false;
    }
    // A line's amount goes into a number column: a text that is not a number
    // stops the save before anything is written.
    for (int row = 1; row <= Lines; ++row) {
        if (!m_grid->cells(1, row).isEmpty())
            points::toNumber(m_grid->cells(2, row));
    }
    if (m_edit13->text().isEmpty())
        m_edit13->setText(QStringLiteral("0"));
    if (points::toNumber(m_edit13->text()) < 0) {
        ui::error(Prompt, QStringLiteral("积分增加小于零，不能保存！"));
        return false;
    }
    return cardStillChecked();
}

void Tzengjiajifen::save()
{
    const points::ReceiptSettings settings = points::ReceiptSettings::read();
    if (!validate())
        return;
    const QString earned = m_edit13->text().trimmed();
    if (!app::transact([&] { writeCredit(earned); }))
        return;
    ui::information(Prompt, QStringLiteral("增加积分成功！"));
    if (settings.print)
        printReceipt(settings, QStringLiteral("~~~~~~~~~~~增加积分~~~~~~~~~~~~~"), receiptBody());
    reset();
}

void Tzengjiajifen::writeCredit(const QString& earned)
{
    points::CreditEntry entry;
    entry.category = m_comboBox1->currentText();
    entry.card = box(QStringLiteral("Edit1"))->text();
    entry.name = box(QStringLiteral("Edit3"))->text();
    entry.referrer = box(QStringLiteral("Edit15"))->text();
    entry.referrerName = box(QStringLiteral("Edit16"))->text();
    entry.items = m_edit14->text();
    entry.points = earned;
    entry.reason = m_comboBox2->currentText();
    entry.operatorCode = app::session().operatorCode;
    for (int row = 1; row <= Lines; ++row) {
        if (!m_grid->cells(1, row).isEmpty())
            entry.lines.append({m_grid->cells(1, row), m_grid->cells(2, row)});
    }
    m_label22->setText(points::writeCredit(entry));
}

QStringList Tzengjiajifen::receiptBody() const
{
    const QString card = box(QStringLiteral("Edit1"))->text();
    QStringList body{QStringLiteral("会员卡号： ") + card,
                     QStringLiteral("会员姓名： ") + box(QStringLiteral("Edit3"))->text()};
    for (int row = 1; row <= Lines; ++row) {
        if (!m_grid->cells(1, row).isEmpty())
            body << QStringLiteral("消费项目： ") + m_grid->cells(1, row);
    }
    body << QStringLiteral("消费金额： ") + m_edit12->text()
         << QStringLiteral("增加积分： ") + m_edit13->text()
         << QStringLiteral("现有积分： ") + balanceText(card);
    return body;
}

void Tzengjiajifen::reset()
{
    m_check->disarm();
    for (int i = 1; i <= 16; ++i)
        box(QStringLiteral("Edit%1").arg(i))->clear();
    if (m_comboBox1->count() > 0)
        m_comboBox1->setCurrentIndex(0);
    m_comboBox1->setFocus();
    m_edit12->setEnabled(false);
    m_edit13->setEnabled(false);
    m_bitBtn1->setEnabled(false);
    for (int row = 1; row <= Lines; ++row) {
        m_grid->setCells(1, row, QString());
        m_grid->setCells(2, row, QString());
    }
    refreshSerial();
    m_comboBox2->refill(true);
}
