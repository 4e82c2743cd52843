#include "platform/ui/printpreview.h"

#include "platform/ui/gridprint.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace ui
{

PrintPreviewWindow::PrintPreviewWindow(PrintDBGridEh& gridPrinter, QWidget* parent)
    : QDialog(parent), m_gridPrinter(gridPrinter),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      m_view(new QPrintPreviewWidget(m_printer.get(), this)), m_status(new QLabel(this))
{
    setObjectName(QStringLiteral("PrintPreview"));
    setWindowTitle(QStringLiteral("打印预览"));
    setWindowFlags(windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    resize(900, 700);

    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addAction(command(QStringLiteral("打印"), "Print", &PrintPreviewWindow::printPages));
    bar->addAction(
        command(QStringLiteral("打印设置"), "PageSetup", &PrintPreviewWindow::setupPage));
    bar->addSeparator();
    bar->addAction(command(QStringLiteral("缩放"), "Zoom", &PrintPreviewWindow::zoom));
    bar->addAction(
        command(QStringLiteral("上一页"), "PriorPage", &PrintPreviewWindow::previousPage));
    bar->addAction(command(QStringLiteral("下一页"), "NextPage", &PrintPreviewWindow::nextPage));
    bar->addSeparator();
    bar->addAction(command(QStringLiteral("停止"), "Stop", &PrintPreviewWindow::stop));
    bar->addAction(command(QStringLiteral("关闭"), "Close", &PrintPreviewWindow::reject));
    bar->addSeparator();
    bar->addWidget(m_status);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addWidget(m_view);

    m_view->setZoomMode(QPrintPreviewWidget::FitInView);
    connect(m_view, &QPrintPreviewWidget::paintRequested, this, &PrintPreviewWindow::render);
    connect(m_view, &QPrintPreviewWidget::previewChanged, this, &PrintPreviewWindow::updateStatus);
    m_gridPrinter.stopRequested = [this] {
        // Lets "停止" and "关闭" through while a long grid is laid out.
        QApplication::processEvents();
        return m_stop;
    };
}

PrintPreviewWindow::~PrintPreviewWindow()
{
    m_gridPrinter.stopRequested = nullptr;
}

QAction* PrintPreviewWindow::command(const QString& text, const char* name,
                                     void (PrintPreviewWindow::*slot)())
{
    auto* action = new QAction(text, this);
    action->setObjectName(QLatin1String(name));
    connect(action, &QAction::triggered, this, slot);
    return action;
}

void PrintPreviewWindow::render(QPrinter* printer)
{
    m_rendering = true;
    m_stop = false;
    m_gridPrinter.print(*printer);
    m_rendering = false;
    if (m_closeAfterRender)
        QTimer::singleShot(0, this, &QDialog::reject);
}

int PrintPreviewWindow::currentPage() const
{
    return m_view->currentPage();
}

int PrintPreviewWindow::pageCount() const
{
    return m_view->pageCount();
}

void PrintPreviewWindow::updateStatus()
{
    m_status->setText(QStringLiteral("  第 %1 页 共 %2 页").arg(currentPage()).arg(pageCount()));
}

void PrintPreviewWindow::printPages()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(m_printer->pageLayout());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("打印"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_gridPrinter.print(printer);
}

void PrintPreviewWindow::setupPage()
{
    if (m_gridPrinter.pageSetup(this))
        m_view->updatePreview();
}

void PrintPreviewWindow::zoom()
{
    // Whole page, page width, actual size, in turn.
    m_zoomStep = (m_zoomStep + 1) % 3;
    switch (m_zoomStep) {
    case 0:
        m_view->setZoomMode(QPrintPreviewWidget::FitInView);
        break;
    case 1:
        m_view->setZoomMode(QPrintPreviewWidget::FitToWidth);
        break;
    default:
        m_view->setZoomMode(QPrintPreviewWidget::CustomZoom);
        m_view->setZoomFactor(1.0);
        break;
    }
}

void PrintPreviewWindow::previousPage()
{
    if (currentPage() > 1)
        m_view->setCurrentPage(currentPage() - 1);
    updateStatus();
}

void PrintPreviewWindow::nextPage()
{
    if (currentPage() < pageCount())
        m_view->setCurrentPage(currentPage() + 1);
    updateStatus();
}

void PrintPreviewWindow::stop()
{
    m_stop = true;
}

void PrintPreviewWindow::reject()
{
    if (m_rendering) {
        m_stop = true;
        m_closeAfterRender = true;
        return;
    }
    QDialog::reject();
}

} // namespace ui
