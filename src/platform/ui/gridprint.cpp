#include "platform/ui/gridprint.h"

#include "platform/ui/dbgrid.h"
#include "platform/ui/gridfooter.h"
#include "platform/ui/pagesetupdialog.h"
#include "platform/ui/printpreview.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <stdexcept>

namespace ui
{

namespace
{

constexpr double ScreenDpi = 96.0;
constexpr int MeasuredRows = 5000; // rows looked at for optimal widths

struct RowPage {
    int first;
    int end;
    bool gridFooter;
};

// Where everything goes: computed once per rendering, drawn page by page.
class Layout
{
public:
    Layout(const PrintDBGridEh& settings, const DBGridEh& grid, QPrinter& printer)
        : m_s(settings), m_grid(grid), m_device(&printer)
    {
        const QRectF paint = printer.pageLayout().paintRectPixels(printer.resolution());
        m_area = QRectF(QPointF(0, 0), paint.size());
        m_scale = printer.resolution() / ScreenDpi;
        m_font = settings.gridFontSet ? settings.gridFont : grid.font();
        const QFontMetricsF fm(m_font, m_device);
        m_rowHeight = fm.height() * 1.5;
        m_padding = fm.averageCharWidth() * 0.6;
        m_headerHeight = textHeight(settings.pageHeader, settings.pageHeaderFont);
        m_footerHeight = textHeight(settings.pageFooter, settings.pageFooterFont);
        m_beforeHeight = textHeight(settings.beforeGridText, settings.beforeGridFont);
        m_records = grid.rowCount();
        m_hasGridFooter = grid.footerVisible();
        columnWidths();
        columnBands();
        rowPages();
    }

    int pageCount() const { return int(m_rowPages.size() * m_bands.size()); }

    void draw(QPainter& p, int page) const
    {
        const RowPage& rows = m_rowPages[page / m_bands.size()];
        const QPair<int, int>& band = m_bands[page % m_bands.size()];
        const bool firstRowPage = page / m_bands.size() == 0;
        const QString pageNo = QString::number(page + 1);
        const QString pages = QString::number(pageCount());
        auto fill = [&](QString text) {
            return text.replace(QLatin1String("&[pages]"), pages)
                .replace(QLatin1String("&[page]"), pageNo);
        };
        double y = m_area.top();
        if (m_headerHeight > 0) {
            p.setFont(m_s.pageHeaderFont);
            p.setPen(Qt::black);
            p.drawText(QRectF(m_area.left(), y, m_area.width(), m_headerHeight),
                       int(m_s.pageHeaderAlignment | Qt::AlignVCenter), fill(m_s.pageHeader));
            y += m_headerHeight;
        }
        if (firstRowPage && m_beforeHeight > 0) {
            p.setFont(m_s.beforeGridFont);
            p.setPen(Qt::black);
            p.drawText(QRectF(m_area.left(), y, m_area.width(), m_beforeHeight),
                       int(Qt::AlignLeft | Qt::AlignVCenter), m_s.beforeGridText);
            y += m_beforeHeight;
        }
        p.setFont(m_font);
        y = drawRow(p, y, band, Title, -1);
        for (int r = rows.first; r < rows.end; ++r)
            y = drawRow(p, y, band, Record, r);
        if (rows.gridFooter)
            drawRow(p, y, band, Footer, -1);
        if (m_footerHeight > 0) {
            p.setFont(m_s.pageFooterFont);
            p.setPen(Qt::black);
            p.drawText(QRectF(m_area.left(), m_area.bottom() - m_footerHeight, m_area.width(),
                              m_footerHeight),
                       int(m_s.pageFooterAlignment | Qt::AlignVCenter), fill(m_s.pageFooter));
        }
    }

private:
    enum Kind { Title, Record, Footer };

    double textHeight(const QString& text, const QFont& font) const
    {
        if (text.isEmpty())
            return 0;
        return QFontMetricsF(font, m_device).height() * 1.6;
    }

    double gridTop(bool firstRowPage) const
    {
        return m_headerHeight + (firstRowPage ? m_beforeHeight : 0);
    }

    void columnWidths()
    {
        const int columns = m_grid.visibleColumnCount();
        const QFontMetricsF fm(m_font, m_device);
        for (int c = 0; c < columns; ++c) {
            double w = m_grid.columnWidth(c) * m_scale;
            if (m_s.optimalColWidths) {
                w = fm.horizontalAdvance(m_grid.titleText(c));
                w = qMax(w, fm.horizontalAdvance(m_grid.footerDisplay(c)));
                for (int r = 0; r < m_records && r < MeasuredRows; ++r)
                    w = qMax(w, fm.horizontalAdvance(m_grid.displayText(r, c)));
                w += 2 * m_padding + 1;
            }
            m_widths << qMax(w, 2 * m_padding + 1);
        }
        double total = 0;
        for (double w : m_widths)
            total += w;
        if (m_s.fitToPageWidth && total > 0) {
            const double factor = m_area.width() / total;
            for (double& w : m_widths)
                w *= factor;
        }
    }

    // Columns wider than the page go on further pages, a band of columns each.
    void columnBands()
    {
        int first = 0;
        while (first < m_widths.size()) {
            double used = m_widths[first];
            int last = first;
            while (last + 1 < m_widths.size() && used + m_widths[last + 1] <= m_area.width() + 0.5)
                used += m_widths[++last];
            m_bands << qMakePair(first, last);
            first = last + 1;
        }
        if (m_bands.isEmpty())
            m_bands << qMakePair(0, -1);
    }

    void rowPages()
    {
        int row = 0;
        bool first = true;
        for (;;) {
            const double room = m_area.height() - gridTop(first) - m_footerHeight - m_rowHeight;
            const int fit = qMax(1, int(room / m_rowHeight));
            const int take = qMin(fit, m_records - row);
            const bool footerHere = m_hasGridFooter && row + take == m_records && take < fit;
            m_rowPages << RowPage{row, row + take, footerHere};
            row += take;
            first = false;
            if (row >= m_records && (!m_hasGridFooter || footerHere))
                break;
        }
    }

    QString cellText(Kind kind, int row, int column) const
    {
        switch (kind) {
        case Title:
            return m_grid.titleText(column);
        case Footer:
            return m_grid.footerDisplay(column);
        case Record:
            break;
        }
        return m_grid.displayText(row, column);
    }

    double drawRow(QPainter& p, double y, const QPair<int, int>& band, Kind kind, int row) const
    {
        double x = m_area.left();
        for (int c = band.first; c <= band.second; ++c) {
            const QRectF cell(x, y, m_widths[c], m_rowHeight);
            if (m_s.colored && kind != Record)
                p.fillRect(cell,
                           kind == Title ? QColor(0xD4, 0xD0, 0xC8) : FooterBar::background());
            p.setPen(QPen(Qt::black, 0));
            p.drawRect(cell);
            const GridColumn& column = m_grid.visibleColumn(c);
            Qt::Alignment align = column.alignment & Qt::AlignHorizontal_Mask;
            if (kind == Title && column.titleAlignment)
                align = column.titleAlignment & Qt::AlignHorizontal_Mask;
            if (kind == Footer && column.footerAlignment)
                align = column.footerAlignment & Qt::AlignHorizontal_Mask;
            const QRectF text = cell.adjusted(m_padding, 0, -m_padding, 0);
            const QString shown = p.fontMetrics().elidedText(cellText(kind, row, c), Qt::ElideRight,
                                                             int(text.width()));
            p.drawText(text, int(align | Qt::AlignVCenter), shown);
            x += m_widths[c];
        }
        return y + m_rowHeight;
    }

    const PrintDBGridEh& m_s;
    const DBGridEh& m_grid;
    QPaintDevice* m_device;
    QRectF m_area;
    double m_scale = 1;
    QFont m_font;
    double m_rowHeight = 0;
    double m_padding = 0;
    double m_headerHeight = 0;
    double m_footerHeight = 0;
    double m_beforeHeight = 0;
    int m_records = 0;
    bool m_hasGridFooter = false;
    QVector<double> m_widths;
    QVector<QPair<int, int>> m_bands;
    QVector<RowPage> m_rowPages;
};

} // namespace

void PrintDBGridEh::print(QPrinter& printer)
{
    if (!m_grid)
        return;
    printer.setPageOrientation(orientation);
    const QMarginsF mm(marginsCm.left() * 10, marginsCm.top() * 10, marginsCm.right() * 10,
                       marginsCm.bottom() * 10);
    printer.setPageMargins(mm, QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&printer))
        throw std::runtime_error(QStringLiteral("无法开始打印：打印机不可用。").toStdString());
    const Layout layout(*this, *m_grid, printer);
    m_pages = layout.pageCount();
    for (int page = 0; page < m_pages; ++page) {
        if (page > 0) {
            if (stopRequested && stopRequested())
                break;
            printer.newPage();
        }
        layout.draw(painter, page);
    }
    painter.end();
}

void PrintDBGridEh::preview()
{
    if (!m_grid)
        return;
    PrintPreviewWindow window(*this, m_grid->window());
    window.exec();
}

bool PrintDBGridEh::pageSetup(QWidget* parent)
{
    PageSetupDialog dialog(*this, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace ui
