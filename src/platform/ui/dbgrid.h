#pragma once

#include <QString>
#include <QTableView>
#include <QVector>

namespace db
{
class Query;
}

namespace ui
{

class GridModel;

struct GridColumn {
    enum class Footer { None, Text, Count, Sum };
    QString field;
    QString title; // the field name where empty
    int width = 80;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    QString displayFormat; // "hh:mm:ss" for time columns; "0.00" style for numbers
    Footer footer = Footer::None;
    QString footerText;
    bool visible = true;
    Qt::Alignment titleAlignment = {};  // empty: left
    Qt::Alignment footerAlignment = {}; // empty: as the cells
};

// The data-aware grid: shows whatever its query holds and follows every
// re-open, sort and row deletion at once. Read-only. Clicking a title sorts
// by that column (again for descending, Ctrl adds columns); Ctrl+F finds text.
class DBGridEh : public QTableView
{
    Q_OBJECT
public:
    explicit DBGridEh(QWidget* parent = nullptr);
    ~DBGridEh() override;

    void setDataSource(db::Query* query);
    db::Query* dataSource() const { return m_query; }

    // Without columns set, every field of the query shows under its own name.
    void setColumns(const QVector<GridColumn>& columns);
    QVector<GridColumn> columns() const;
    // Set once explicitly, this wins over the default (shown when a column has a footer).
    void setFooterVisible(bool visible);
    bool footerVisible() const;
    void setRowSelect(bool wholeRow);
    // Stretches the columns over the grid's width instead of their own widths.
    void setAutoFitColumns(bool fit);

    // Texts as displayed, with display formats applied (export and print use these).
    // rowCount() is the whole data set, not only the rows read so far.
    int rowCount() const;
    int visibleColumnCount() const;
    QString titleText(int column) const;
    QString displayText(int row, int column) const;
    QVariant cellValue(int row, int column) const;
    QString footerDisplay(int column) const;
    const GridColumn& visibleColumn(int column) const;
    int columnWidth(int column) const { return QTableView::columnWidth(column); }

    // What a click on a column title does; ctrl adds the column to the sort keys.
    void titleClicked(int column, bool ctrl);

    // Shows the find dialog (also Ctrl+F).
    void showFindDialog();
    // Moves to the next row after the current one (wrapping round) holding
    // text in the visible column, or in any visible column when column is -1.
    bool findNext(const QString& text, int column = -1, bool wholeCell = false,
                  bool caseSensitive = false);

signals:
    void rowDoubleClicked(int row);

protected:
    void updateGeometries() override;

private:
    int footerHeight() const;
    void applyWidths();
    void queryReset();
    void rowRemoved(int row);
    void currentRowChanged(const QModelIndex& current);
    void invalidateFooter();
    void computeFooter() const;
    QString footerShown(int column);
    void waitForAllRows();
    bool matches(int row, int column, const QString& text, bool wholeCell,
                 Qt::CaseSensitivity cs) const;

    db::Query* m_query = nullptr;
    GridModel* m_model = nullptr;
    class FooterBar* m_footer = nullptr;
    class GridFindDialog* m_find = nullptr;
    int m_footerChoice = -1; // -1: not set; 0 hidden; 1 shown
    bool m_autoFit = false;
    bool m_layingOut = false;
    mutable bool m_footerDirty = true;
    mutable QVector<QString> m_footerTexts;
    class QTimer* m_footerWait = nullptr;
    friend class GridModel;
    friend class FooterBar;
};

} // namespace ui
