#include "platform/ui/marquee.h"

#include <QPainter>

namespace ui
{

MarqueePane::MarqueePane(QWidget* parent) : QWidget(parent)
{
    m_timer.setInterval(20);
    connect(&m_timer, &QTimer::timeout, this, &MarqueePane::step);
    m_timer.start();
}

void MarqueePane::setText(const QString& text)
{
    m_text = text;
    m_offset = 0;
    update();
}

void MarqueePane::step()
{
    if (m_text.isEmpty())
        return;
    const int textWidth = fontMetrics().horizontalAdvance(m_text);
    m_offset = (m_offset + 1) % (width() + textWidth + 1);
    update();
}

void MarqueePane::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect r = rect();
    painter.drawText(QRect(r.width() - m_offset, 0,
                           r.width() + fontMetrics().horizontalAdvance(m_text), r.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, m_text);
}

} // namespace ui
