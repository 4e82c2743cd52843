#pragma once

#include <QMarginsF>
#include <QString>

class QPrinter;

namespace ui {

class DBGridEh;

// The grid printer with its preview ("打印预览") and page setup ("打印设置").
class PrintDBGridEh
{
public:
    explicit PrintDBGridEh(DBGridEh* grid = nullptr) : m_grid(grid) {}
    void setGrid(DBGridEh* grid) { m_grid = grid; }

    // Page texts; "&[page]" and "&[pages]" are filled in.
    QString pageHeader;
    QString pageFooter;
    QString beforeGridText;
    bool fitToPageWidth = true;
    bool optimalColWidths = false;
    bool colored = true;
    QMarginsF marginsCm{2, 2, 2, 2};

    void preview();               // modal preview window
    void print(QPrinter& printer); // renders every page onto printer (tests print to PDF)

private:
    DBGridEh* m_grid;
};

} // namespace ui
