#include "platform/ui/dbgrid.h"

#include "platform/db/query.h"
#include "platform/os/regional.h"
#include "platform/ui/gridfind.h"
#include "platform/ui/gridfooter.h"
#include "platform/ui/gridformat.h"
#include "platform/ui/gridmodel.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <algorithm>

namespace ui
{

DBGridEh::DBGridEh(QWidget* parent)
    : QTableView(parent), m_model(new GridModel(this)), m_footer(new FooterBar(this))
{
    setModel(m_model);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    setWordWrap(false);
    setVerticalScrollMode(ScrollPerItem);

    QHeaderView* rows = verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 6);
    rows->hide();
    QHeaderView* titles = horizontalHeader();
    titles->setSectionsClickable(true);
    titles->setHighlightSections(false);
    titles->setStretchLastSection(false);
    titles->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    connect(titles, &QHeaderView::sectionClicked, this, [this](int column) {
        titleClicked(column, QGuiApplication::keyboardModifiers().testFlag(Qt::ControlModifier));
    });
    connect(titles, &QHeaderView::sectionResized, m_footer, qOverload<>(&QWidget::update));
    connect(titles, &QHeaderView::sectionMoved, m_footer, qOverload<>(&QWidget::update));
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, m_footer,
            qOverload<>(&QWidget::update));
    connect(m_model, &GridModel::queryReset, this, &DBGridEh::queryReset);
    connect(m_model, &GridModel::queryRowRemoved, this, &DBGridEh::rowRemoved);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &DBGridEh::currentRowChanged);
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit rowDoubleClicked(index.row());
    });
    auto* find = new QShortcut(QKeySequence::Find, this);
    find->setContext(Qt::WidgetWithChildrenShortcut);
    connect(find, &QShortcut::activated, this, &DBGridEh::showFindDialog);
    m_footer->hide();
}

DBGridEh::~DBGridEh() = default;

void DBGridEh::setDataSource(db::Query* query)
{
    if (m_query)
        disconnect(m_query, &QObject::destroyed, this, nullptr);
    m_query = query;
    if (query)
        connect(query, &QObject::destroyed, this, [this] { m_query = nullptr; });
    m_model->setQuery(query);
}

void DBGridEh::setColumns(const QVector<GridColumn>& columns)
{
    m_model->setColumns(columns);
}

QVector<GridColumn> DBGridEh::columns() const
{
    return m_model->columns();
}

void DBGridEh::setFooterVisible(bool visible)
{
    m_footerChoice = visible ? 1 : 0;
    updateGeometries();
}

bool DBGridEh::footerVisible() const
{
    if (m_footerChoice >= 0)
        return m_footerChoice == 1;
    for (int c = 0; c < visibleColumnCount(); ++c) {
        if (visibleColumn(c).footer != GridColumn::Footer::None)
            return true;
    }
    return false;
}

void DBGridEh::setRowSelect(bool wholeRow)
{
    setSelectionBehavior(wholeRow ? SelectRows : SelectItems);
}

void DBGridEh::setAutoFitColumns(bool fit)
{
    m_autoFit = fit;
    applyWidths();
}

void DBGridEh::applyWidths()
{
    QHeaderView* titles = horizontalHeader();
    if (m_autoFit) {
        titles->setSectionResizeMode(QHeaderView::Stretch);
        return;
    }
    titles->setSectionResizeMode(QHeaderView::Interactive);
    for (int c = 0; c < visibleColumnCount(); ++c)
        titles->resizeSection(c, visibleColumn(c).width);
}

int DBGridEh::footerHeight() const
{
    return footerVisible() ? verticalHeader()->defaultSectionSize() + 1 : 0;
}

void DBGridEh::updateGeometries()
{
    // The table view lays its viewport out afresh each time; the footer's strip
    // under it is added here, and the row range recomputed for the smaller viewport.
    if (m_layingOut)
        return;
    m_layingOut = true;
    QTableView::updateGeometries();
    const int footer = footerHeight();
    const QMargins margins = viewportMargins();
    if (margins.bottom() != footer)
        setViewportMargins(margins.left(), margins.top(), margins.right(), footer);
    if (footer > 0) {
        const int rowHeight = qMax(1, verticalHeader()->defaultSectionSize());
        const int fit = qMax(1, viewport()->height() / rowHeight);
        verticalScrollBar()->setRange(0, qMax(0, m_model->rowCount() - fit));
        verticalScrollBar()->setPageStep(fit);
        const QRect area = viewport()->geometry();
        m_footer->setGeometry(area.left(), area.bottom() + 1, area.width(), footer);
        // The row header scrolls to the last row by its own height: keep it the viewport's.
        QHeaderView* rows = verticalHeader();
        rows->setGeometry(rows->x(), area.top(), rows->width(), area.height());
    }
    m_footer->setVisible(footer > 0);
    m_layingOut = false;
}

void DBGridEh::queryReset()
{
    applyWidths();
    invalidateFooter();
    updateGeometries();
    if (m_query && m_query->isOpen() && m_model->rowCount() > 0) {
        const int row = qBound(0, m_query->recNo(), m_model->rowCount() - 1);
        setCurrentIndex(m_model->index(row, 0));
    }
}

void DBGridEh::rowRemoved(int)
{
    invalidateFooter();
    if (m_query && m_model->rowCount() > 0) {
        const int row = qBound(0, m_query->recNo(), m_model->rowCount() - 1);
        const int column = currentIndex().isValid() ? currentIndex().column() : 0;
        setCurrentIndex(m_model->index(row, column));
    }
}

void DBGridEh::currentRowChanged(const QModelIndex& current)
{
    // The grid's selection is the query's current record, as windows read it.
    if (m_model->changing())
        return;
    if (m_query && m_query->isOpen() && current.isValid() && current.row() != m_query->recNo())
        m_query->setRecNo(current.row());
}

void DBGridEh::invalidateFooter()
{
    m_footerDirty = true;
    m_footer->update();
}

void DBGridEh::computeFooter() const
{
    m_footerDirty = false;
    m_footerTexts.clear();
    const bool open = m_query && m_query->isOpen();
    for (int c = 0; c < visibleColumnCount(); ++c) {
        const GridColumn& column = visibleColumn(c);
        QString text;
        switch (column.footer) {
        case GridColumn::Footer::Text:
            text = column.footerText;
            break;
        case GridColumn::Footer::Count:
            if (open)
                text = QString::number(m_query->recordCount());
            break;
        case GridColumn::Footer::Sum:
            if (open)
                text = formatCell(m_query->sum(column.field), column.displayFormat);
            break;
        case GridColumn::Footer::None:
            break;
        }
        m_footerTexts << text;
    }
}

QString DBGridEh::footerShown(int column)
{
    // Counting and summing a million rows in the engine takes seconds; the
    // painted footer waits until the query has read its rows in idle time and
    // then adds them up in memory. footerDisplay() answers at once for export.
    const bool countsOrSums = std::any_of(
        m_model->columns().cbegin(), m_model->columns().cend(), [](const GridColumn& c) {
            return c.footer == GridColumn::Footer::Count || c.footer == GridColumn::Footer::Sum;
        });
    if (m_footerDirty && countsOrSums && m_query && m_query->isOpen() && !m_query->allFetched()) {
        waitForAllRows();
        const GridColumn& c = visibleColumn(column);
        return c.footer == GridColumn::Footer::Text ? c.footerText : QString();
    }
    return footerDisplay(column);
}

void DBGridEh::waitForAllRows()
{
    if (!m_footerWait) {
        m_footerWait = new QTimer(this);
        m_footerWait->setInterval(50);
        connect(m_footerWait, &QTimer::timeout, this, [this] {
            if (!m_query || !m_query->isOpen() || m_query->allFetched()) {
                m_footerWait->stop();
                m_footer->update();
            }
        });
    }
    if (!m_footerWait->isActive())
        m_footerWait->start();
}

QString DBGridEh::footerDisplay(int column) const
{
    if (m_footerDirty || m_footerTexts.size() != visibleColumnCount())
        computeFooter();
    return column >= 0 && column < m_footerTexts.size() ? m_footerTexts[column] : QString();
}

int DBGridEh::rowCount() const
{
    return m_query && m_query->isOpen() ? m_query->recordCount() : 0;
}

int DBGridEh::visibleColumnCount() const
{
    return m_model->visibleCount();
}

QString DBGridEh::titleText(int column) const
{
    return m_model->titleText(column);
}

QString DBGridEh::displayText(int row, int column) const
{
    return m_model->displayText(row, column);
}

QVariant DBGridEh::cellValue(int row, int column) const
{
    return m_model->value(row, column);
}

const GridColumn& DBGridEh::visibleColumn(int column) const
{
    return m_model->visibleColumn(column);
}

void DBGridEh::titleClicked(int column, bool ctrl)
{
    if (!m_query || !m_query->isOpen() || m_model->queryColumn(column) < 0)
        return;
    const QString field = m_query->fieldNames().at(m_model->queryColumn(column));
    QVector<QPair<QString, bool>> order = m_query->sortOrder();
    int at = -1;
    for (int k = 0; k < order.size(); ++k) {
        if (order[k].first.compare(field, Qt::CaseInsensitive) == 0)
            at = k;
    }
    if (ctrl) {
        if (at >= 0)
            order[at].second = !order[at].second;
        else
            order.append({field, false});
    } else {
        const bool descending = at >= 0 && order.size() == 1 && !order[at].second;
        order = {{field, descending}};
    }
    const int currentColumn = currentIndex().isValid() ? currentIndex().column() : column;
    m_query->sortBy(order);
    if (m_model->rowCount() > 0)
        setCurrentIndex(m_model->index(0, currentColumn));
    horizontalHeader()->viewport()->update();
}

void DBGridEh::showFindDialog()
{
    if (!m_find)
        m_find = new GridFindDialog(this);
    m_find->refresh();
    m_find->show();
    m_find->raise();
    m_find->activateWindow();
}

bool DBGridEh::matches(int row, int column, const QString& text, bool wholeCell,
                       Qt::CaseSensitivity cs) const
{
    const QString cell = displayText(row, column);
    return wholeCell ? cell.compare(text, cs) == 0 : cell.contains(text, cs);
}

bool DBGridEh::findNext(const QString& text, int column, bool wholeCell, bool caseSensitive)
{
    const int rows = rowCount();
    if (rows == 0 || text.isEmpty())
        return false;
    const Qt::CaseSensitivity cs = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const int start = currentIndex().isValid() ? currentIndex().row() : -1;
    for (int step = 1; step <= rows; ++step) {
        const int row = (start + step) % rows;
        const int from = column < 0 ? 0 : column;
        const int to = column < 0 ? visibleColumnCount() - 1 : column;
        for (int c = from; c <= to; ++c) {
            if (!matches(row, c, text, wholeCell, cs))
                continue;
            // Reading up to the row brought it into the model.
            setCurrentIndex(m_model->index(row, c));
            scrollTo(currentIndex());
            return true;
        }
    }
    return false;
}

} // namespace ui
