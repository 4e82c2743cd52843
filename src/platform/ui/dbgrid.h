#pragma once

#include <QString>
#include <QTableView>
#include <QVector>

namespace db {
class Query;
}

namespace ui {

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
    void setFooterVisible(bool visible);
    bool footerVisible() const;
    void setRowSelect(bool wholeRow);

    // Texts as displayed, with display formats applied (export and print use these).
    int rowCount() const;
    int visibleColumnCount() const;
    QString titleText(int column) const;
    QString displayText(int row, int column) const;
    QVariant cellValue(int row, int column) const;
    QString footerDisplay(int column) const;
    const GridColumn& visibleColumn(int column) const;

    // Shows the find dialog (also Ctrl+F).
    void showFindDialog();

signals:
    void rowDoubleClicked(int row);

private:
    db::Query* m_query = nullptr;
    GridModel* m_model = nullptr;
    class FooterBar* m_footer = nullptr;
    friend class GridModel;
};

} // namespace ui
