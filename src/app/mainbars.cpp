// The main window's toolbar and status bar.
#include "app/mainfrm.h"

#include "app/menutable.h"
#include "platform/os/appenv.h"
#include "platform/os/regional.h"
#include "platform/ui/fonts.h"
#include "platform/ui/marquee.h"

#include <QAction>
#include <QLabel>
#include <QPainter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace
{

// Our own glyphs: a coloured disc with one character of the caption.
QIcon glyph(const QString& caption, int index)
{
    static const QColor colours[] = {QColor(0xd3, 0x54, 0x00), QColor(0x27, 0xae, 0x60),
                                     QColor(0x29, 0x80, 0xb9), QColor(0x8e, 0x44, 0xad),
                                     QColor(0xe9, 0x1e, 0x63), QColor(0x16, 0xa0, 0x85),
                                     QColor(0x7f, 0x8c, 0x8d), QColor(0xc0, 0x39, 0x2b)};
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(colours[index % 8]);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(1, 1, 30, 30);
    painter.setPen(Qt::white);
    painter.setFont(ui::cjkFont(QStringLiteral("宋体"), 18, true));
    const QString mark = caption.contains(QLatin1Char('/')) ? caption.mid(2, 1) : caption.left(1);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, mark);
    return QIcon(pixmap);
}

} // namespace

void TMAIN::buildToolbar()
{
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("RzToolbar2"));
    bar->setFixedHeight(64);
    bar->setMovable(false);
    bar->setIconSize(QSize(32, 32));
    addToolBar(Qt::TopToolBarArea, bar);
    int index = 0;
    for (const app::ToolEntry& entry : app::toolTable()) {
        auto* button = new QToolButton(bar);
        button->setObjectName(entry.objectName);
        button->setText(entry.caption);
        button->setIcon(glyph(entry.caption, index++));
        button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        button->setFixedSize(entry.caption.size() > 4 ? 136 : 60, 60);
        button->setFont(ui::cjkFont(QStringLiteral("宋体"), 14, true));
        button->setStyleSheet(QStringLiteral("QToolButton { color: blue; }"));
        bar->addWidget(button);
        bar->addSeparator();
        m_buttons.insert(entry.caption, button);
        if (!entry.item.isEmpty()) {
            const QString item = entry.item;
            connect(button, &QToolButton::clicked, this, [this, item] { runMenuItem(item); });
        } else if (entry.caption == QStringLiteral("暂时离开")) {
            connect(button, &QToolButton::clicked, this, &TMAIN::lockScreen);
        } else {
            connect(button, &QToolButton::clicked, this, &TMAIN::close);
        }
    }
}

QToolButton* TMAIN::toolButton(const QString& caption) const
{
    return m_buttons.value(caption);
}

void TMAIN::buildStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("RzStatusBar1"));
    m_operatorPane = new QLabel(bar);
    m_operatorPane->setObjectName(QStringLiteral("RzStatusPane1"));
    m_operatorPane->setFixedWidth(227);
    m_operatorPane->setAlignment(Qt::AlignCenter);
    m_marquee = new ui::MarqueePane(bar);
    m_marquee->setObjectName(QStringLiteral("RzMarqueeStatus1"));
    m_marquee->setFixedWidth(432);
    m_marquee->setFont(ui::cjkFont(QStringLiteral("宋体"), 15));
    QPalette red = m_marquee->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    m_marquee->setPalette(red);
    m_clock = new QLabel(bar);
    m_clock->setObjectName(QStringLiteral("RzClockStatus1"));
    m_clock->setFixedWidth(287);
    m_clock->setAlignment(Qt::AlignCenter);
    bar->addWidget(m_operatorPane);
    bar->addWidget(m_marquee);
    bar->addWidget(m_clock);
    m_clockTimer.setInterval(1000);
    connect(&m_clockTimer, &QTimer::timeout, this, &TMAIN::updateClock);
    m_clockTimer.start();
    updateClock();
}

void TMAIN::updateClock()
{
    const QDateTime moment = os::now();
    m_clock->setText(os::longDate(moment.date()) + QLatin1Char(' ') + os::longTime(moment.time()));
}
