#pragma once

#include <QWidget>

namespace ui
{

class DBGridEh;

// The footer row under the grid's rows: one cell under each column, on a
// yellow background, scrolled and sized with the columns.
class FooterBar : public QWidget
{
    Q_OBJECT
public:
    explicit FooterBar(DBGridEh* grid);
    static const QColor& background();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DBGridEh* m_grid;
};

} // namespace ui
