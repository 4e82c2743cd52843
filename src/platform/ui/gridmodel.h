#pragma once

#include "platform/ui/dbgrid.h"

#include <QAbstractTableModel>
#include <QPointer>

namespace ui
{

// The table model behind DBGridEh: the visible columns of the grid over the
// rows its query has read so far. Rows arrive in blocks (the view asks for
// more as it scrolls, the query reads on in idle time), so a grid over a
// million rows shows its first rows at once.
class GridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit GridModel(QObject* parent = nullptr);

    void setQuery(db::Query* query);
    db::Query* query() const { return m_query; }

    // Without columns set, every field of the query shows under its own name.
    void setColumns(const QVector<GridColumn>& columns);
    QVector<GridColumn> columns() const { return m_columns; }
    bool hasOwnColumns() const { return m_ownColumns; }
    // True while rows are being removed or the model reset: the view's
    // current index moves then without the user choosing a row.
    bool changing() const { return m_changing; }

    int visibleCount() const { return int(m_visible.size()); }
    const GridColumn& visibleColumn(int column) const;
    // The query's column behind a visible column, or -1 when the field is absent.
    int queryColumn(int column) const;

    QVariant value(int row, int column) const;
    QString displayText(int row, int column) const;
    QString titleText(int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

signals:
    // The query was re-opened, closed or re-sorted.
    void queryReset();
    // A row left the result through the query (deleteCurrent).
    void queryRowRemoved(int row);

private:
    void onReset();
    void onRowsFetched(int first, int last);
    void onRowRemoved(int row);
    void catchUp();
    void rebuildColumns();

    QPointer<db::Query> m_query;
    QVector<GridColumn> m_columns;
    bool m_ownColumns = false;
    QVector<GridColumn> m_visible;
    QVector<int> m_fieldOf;
    int m_rows = 0;
    bool m_changing = false;
};

} // namespace ui
