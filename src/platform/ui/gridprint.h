#pragma once

#include <QFont>
#include <QMarginsF>
#include <QPageLayout>
#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace ui
{

class DBGridEh;

// The grid printer with its preview ("打印预览") and page setup ("打印设置").
class PrintDBGridEh
{
public:
    explicit PrintDBGridEh(DBGridEh* grid = nullptr) : m_grid(grid) {}
    void setGrid(DBGridEh* grid) { m_grid = grid; }
    DBGridEh* grid() const { return m_grid; }

    // Page texts; "&[page]" and "&[pages]" are filled in.
    QString pageHeader;
    QString pageFooter;
    QString beforeGridText;
    bool fitToPageWidth = true;
    bool optimalColWidths = false;
    bool colored = true;
    QMarginsF marginsCm{2, 2, 2, 2};

    QFont pageHeaderFont{QStringLiteral("宋体"), 12};
    QFont pageFooterFont{QStringLiteral("宋体"), 9};
    QFont beforeGridFont{QStringLiteral("宋体"), 13};
    QFont gridFont; // the grid's own font when left as it is
    bool gridFontSet = false;
    Qt::Alignment pageHeaderAlignment = Qt::AlignHCenter;
    Qt::Alignment pageFooterAlignment = Qt::AlignHCenter;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;

    void preview();                // modal preview window
    void print(QPrinter& printer); // renders every page onto printer (tests print to PDF)
    // The page-setup dialog "打印设置"; true when its settings were taken.
    bool pageSetup(QWidget* parent = nullptr);

    // Pages of the last rendering.
    int pageCount() const { return m_pages; }
    // Asked between pages while rendering; returning true stops it (the preview's "停止").
    std::function<bool()> stopRequested;

private:
    DBGridEh* m_grid;
    int m_pages = 0;
};

} // namespace ui
