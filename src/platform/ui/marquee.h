#pragma once

#include <QTimer>
#include <QWidget>

namespace ui
{

// A status pane whose text scrolls from right to left, one step per tick.
class MarqueePane : public QWidget
{
    Q_OBJECT
public:
    explicit MarqueePane(QWidget* parent = nullptr);
    void setText(const QString& text);
    QString text() const { return m_text; }
    void setStepInterval(int ms) { m_timer.setInterval(ms); }
    int offset() const { return m_offset; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void step();

    QString m_text;
    QTimer m_timer;
    int m_offset = 0;
};

} // namespace ui
