#include "platform/ui/gridfooter.h"

#include "platform/ui/dbgrid.h"

#include <QHeaderView>
#include <QPainter>

namespace ui
{

FooterBar::FooterBar(DBGridEh* grid) : QWidget(grid), m_grid(grid)
{
    setObjectName(QStringLiteral("GridFooter"));
    setAutoFillBackground(false);
}

const QColor& FooterBar::background()
{
    static const QColor yellow(255, 255, 0);
    return yellow;
}

void FooterBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), background());
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, 0, width(), 0);
    const QHeaderView* header = m_grid->horizontalHeader();
    for (int c = 0; c < m_grid->visibleColumnCount(); ++c) {
        const int x = header->sectionViewportPosition(c);
        const int w = header->sectionSize(c);
        if (header->isSectionHidden(c) || x + w < 0 || x > width())
            continue;
        const QRect cell(x, 1, w, height() - 1);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(cell.topRight(), cell.bottomRight());
        const GridColumn& column = m_grid->visibleColumn(c);
        const Qt::Alignment align =
            column.footerAlignment ? column.footerAlignment : column.alignment;
        painter.setPen(Qt::black);
        painter.drawText(cell.adjusted(3, 0, -3, 0), int(align | Qt::AlignVCenter),
                         m_grid->footerShown(c));
    }
}

} // namespace ui
