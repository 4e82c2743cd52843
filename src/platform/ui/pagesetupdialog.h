#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QFontComboBox;
class QSpinBox;

namespace ui
{

class PrintDBGridEh;

// The page setup "打印设置" of the grid printer: margins, font, fitting to
// the page width, optimal column widths, colour and orientation.
class PageSetupDialog : public QDialog
{
    Q_OBJECT
public:
    PageSetupDialog(PrintDBGridEh& gridPrinter, QWidget* parent = nullptr);
    void accept() override;

private:
    QDoubleSpinBox* margin(double cm, const char* name);

    PrintDBGridEh& m_gridPrinter;
    QDoubleSpinBox* m_top;
    QDoubleSpinBox* m_bottom;
    QDoubleSpinBox* m_left;
    QDoubleSpinBox* m_right;
    QFontComboBox* m_font;
    QSpinBox* m_fontSize;
    QCheckBox* m_fit;
    QCheckBox* m_optimal;
    QCheckBox* m_colored;
    QComboBox* m_orientation;
};

} // namespace ui
