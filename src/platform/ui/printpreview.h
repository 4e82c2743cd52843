#pragma once

#include <QDialog>
#include <memory>

class QAction;
class QLabel;
class QPrinter;
class QPrintPreviewWidget;

namespace ui
{

class PrintDBGridEh;

// The preview window "打印预览": the pages of a grid printer, with the
// commands to print, set the page up, zoom, turn pages, stop and close.
class PrintPreviewWindow : public QDialog
{
    Q_OBJECT
public:
    PrintPreviewWindow(PrintDBGridEh& gridPrinter, QWidget* parent = nullptr);
    ~PrintPreviewWindow() override;

    QPrintPreviewWidget* view() const { return m_view; }
    int currentPage() const;
    int pageCount() const;
    void reject() override;

private:
    QAction* command(const QString& text, const char* name, void (PrintPreviewWindow::*slot)());
    void render(QPrinter* printer);
    void printPages();
    void setupPage();
    void zoom();
    void previousPage();
    void nextPage();
    void stop();
    void updateStatus();

    PrintDBGridEh& m_gridPrinter;
    std::unique_ptr<QPrinter> m_printer;
    QPrintPreviewWidget* m_view;
    QLabel* m_status;
    int m_zoomStep = 0;
    bool m_rendering = false;
    bool m_stop = false;
    bool m_closeAfterRender = false;
};

} // namespace ui
