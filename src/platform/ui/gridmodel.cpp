#include "platform/ui/gridmodel.h"

#include "platform/db/query.h"
#include "platform/ui/gridformat.h"

namespace ui
{

GridModel::GridModel(QObject* parent) : QAbstractTableModel(parent) {}

void GridModel::setQuery(db::Query* query)
{
    if (m_query)
        disconnect(m_query, nullptr, this, nullptr);
    m_query = query;
    if (query) {
        connect(query, &db::Query::reset, this, &GridModel::onReset);
        connect(query, &db::Query::rowsFetched, this, &GridModel::onRowsFetched);
        connect(query, &db::Query::rowRemoved, this, &GridModel::onRowRemoved);
        connect(query, &QObject::destroyed, this, [this] {
            m_query = nullptr;
            onReset();
        });
    }
    onReset();
}

void GridModel::setColumns(const QVector<GridColumn>& columns)
{
    beginResetModel();
    m_columns = columns;
    m_ownColumns = !columns.isEmpty();
    rebuildColumns();
    endResetModel();
    emit queryReset();
}

void GridModel::rebuildColumns()
{
    const bool open = m_query && m_query->isOpen();
    if (!m_ownColumns) {
        m_columns.clear();
        if (open) {
            for (const QString& field : m_query->fieldNames()) {
                GridColumn column;
                column.field = field;
                m_columns << column;
            }
        }
    }
    m_visible.clear();
    m_fieldOf.clear();
    for (const GridColumn& column : m_columns) {
        if (!column.visible)
            continue;
        m_visible << column;
        m_fieldOf << (open ? m_query->fieldIndex(column.field) : -1);
    }
}

void GridModel::onReset()
{
    m_changing = true;
    beginResetModel();
    rebuildColumns();
    m_rows = m_query && m_query->isOpen() ? m_query->fetchedCount() : 0;
    endResetModel();
    m_changing = false;
    emit queryReset();
}

void GridModel::catchUp()
{
    const int fetched = m_query && m_query->isOpen() ? m_query->fetchedCount() : 0;
    if (fetched <= m_rows)
        return;
    beginInsertRows(QModelIndex(), m_rows, fetched - 1);
    m_rows = fetched;
    endInsertRows();
}

void GridModel::onRowsFetched(int first, int /*last*/)
{
    // A query that fetches while re-opening or while deleting a row reports the
    // new rows before the reset or the removal; those two bring the rows in.
    if (first < m_rows)
        return;
    catchUp();
}

void GridModel::onRowRemoved(int row)
{
    if (row >= 0 && row < m_rows) {
        m_changing = true;
        beginRemoveRows(QModelIndex(), row, row);
        --m_rows;
        endRemoveRows();
        m_changing = false;
    }
    catchUp();
    emit queryRowRemoved(row);
}

const GridColumn& GridModel::visibleColumn(int column) const
{
    static const GridColumn none;
    return column >= 0 && column < m_visible.size() ? m_visible[column] : none;
}

int GridModel::queryColumn(int column) const
{
    return column >= 0 && column < m_fieldOf.size() ? m_fieldOf[column] : -1;
}

QVariant GridModel::value(int row, int column) const
{
    const int field = queryColumn(column);
    if (!m_query || !m_query->isOpen() || field < 0 || row < 0)
        return QVariant();
    return m_query->value(row, field);
}

QString GridModel::displayText(int row, int column) const
{
    return formatCell(value(row, column), visibleColumn(column).displayFormat);
}

QString GridModel::titleText(int column) const
{
    const GridColumn& c = visibleColumn(column);
    return c.title.isEmpty() ? c.field : c.title;
}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : visibleCount();
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return displayText(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return int(visibleColumn(index.column()).alignment);
    default:
        return QVariant();
    }
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    switch (role) {
    case Qt::DisplayRole: {
        QString title = titleText(section);
        if (!m_query)
            return title;
        const auto& order = m_query->sortOrder();
        for (int k = 0; k < order.size(); ++k) {
            if (order[k].first.compare(visibleColumn(section).field, Qt::CaseInsensitive) != 0)
                continue;
            title += order[k].second ? QStringLiteral(" ▼") : QStringLiteral(" ▲");
            if (order.size() > 1)
                title += QString::number(k + 1);
        }
        return title;
    }
    case Qt::TextAlignmentRole: {
        const Qt::Alignment a = visibleColumn(section).titleAlignment;
        return int(a ? a : Qt::AlignLeft | Qt::AlignVCenter);
    }
    default:
        return QVariant();
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

bool GridModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && m_query && m_query->isOpen() && !m_query->allFetched();
}

void GridModel::fetchMore(const QModelIndex& parent)
{
    if (canFetchMore(parent))
        m_query->fetchMore(db::Query::blockSize);
    catchUp();
}

} // namespace ui
