#include "platform/ui/pagesetupdialog.h"

#include "platform/ui/dbgrid.h"
#include "platform/ui/gridprint.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QVBoxLayout>

namespace ui
{

PageSetupDialog::PageSetupDialog(PrintDBGridEh& gridPrinter, QWidget* parent)
    : QDialog(parent), m_gridPrinter(gridPrinter),
      m_top(margin(gridPrinter.marginsCm.top(), "TopMargin")),
      m_bottom(margin(gridPrinter.marginsCm.bottom(), "BottomMargin")),
      m_left(margin(gridPrinter.marginsCm.left(), "LeftMargin")),
      m_right(margin(gridPrinter.marginsCm.right(), "RightMargin")),
      m_font(new QFontComboBox(this)), m_fontSize(new QSpinBox(this)),
      m_fit(new QCheckBox(QStringLiteral("适合页宽"), this)),
      m_optimal(new QCheckBox(QStringLiteral("最佳列宽"), this)),
      m_colored(new QCheckBox(QStringLiteral("彩色"), this)), m_orientation(new QComboBox(this))
{
    setObjectName(QStringLiteral("PageSetup"));
    setWindowTitle(QStringLiteral("打印设置"));

    auto* margins = new QGroupBox(QStringLiteral("页边距（厘米）"), this);
    auto* marginGrid = new QGridLayout(margins);
    marginGrid->addWidget(new QLabel(QStringLiteral("上:")), 0, 0);
    marginGrid->addWidget(m_top, 0, 1);
    marginGrid->addWidget(new QLabel(QStringLiteral("下:")), 0, 2);
    marginGrid->addWidget(m_bottom, 0, 3);
    marginGrid->addWidget(new QLabel(QStringLiteral("左:")), 1, 0);
    marginGrid->addWidget(m_left, 1, 1);
    marginGrid->addWidget(new QLabel(QStringLiteral("右:")), 1, 2);
    marginGrid->addWidget(m_right, 1, 3);

    const QFont font = gridPrinter.gridFontSet || !gridPrinter.grid() ? gridPrinter.gridFont
                                                                      : gridPrinter.grid()->font();
    m_font->setObjectName(QStringLiteral("GridFont"));
    m_font->setCurrentFont(font);
    m_fontSize->setObjectName(QStringLiteral("GridFontSize"));
    m_fontSize->setRange(5, 72);
    m_fontSize->setValue(font.pointSize() > 0 ? font.pointSize() : 9);
    auto* fontRow = new QHBoxLayout;
    fontRow->addWidget(m_font, 1);
    fontRow->addWidget(m_fontSize);

    m_orientation->setObjectName(QStringLiteral("Orientation"));
    m_orientation->addItem(QStringLiteral("纵向"));
    m_orientation->addItem(QStringLiteral("横向"));
    m_orientation->setCurrentIndex(gridPrinter.orientation == QPageLayout::Landscape ? 1 : 0);

    m_fit->setObjectName(QStringLiteral("FitToPageWidth"));
    m_fit->setChecked(gridPrinter.fitToPageWidth);
    m_optimal->setObjectName(QStringLiteral("OptimalColWidths"));
    m_optimal->setChecked(gridPrinter.optimalColWidths);
    m_colored->setObjectName(QStringLiteral("Colored"));
    m_colored->setChecked(gridPrinter.colored);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("字体:"), fontRow);
    form->addRow(QStringLiteral("方向:"), m_orientation);
    form->addRow(m_fit);
    form->addRow(m_optimal);
    form->addRow(m_colored);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("确定"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(margins);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

QDoubleSpinBox* PageSetupDialog::margin(double cm, const char* name)
{
    auto* box = new QDoubleSpinBox(this);
    box->setObjectName(QLatin1String(name));
    box->setRange(0, 10);
    box->setDecimals(1);
    box->setSingleStep(0.5);
    box->setValue(cm);
    return box;
}

void PageSetupDialog::accept()
{
    m_gridPrinter.marginsCm =
        QMarginsF(m_left->value(), m_top->value(), m_right->value(), m_bottom->value());
    QFont font = m_font->currentFont();
    font.setPointSize(m_fontSize->value());
    m_gridPrinter.gridFont = font;
    m_gridPrinter.gridFontSet = true;
    m_gridPrinter.fitToPageWidth = m_fit->isChecked();
    m_gridPrinter.optimalColWidths = m_optimal->isChecked();
    m_gridPrinter.colored = m_colored->isChecked();
    m_gridPrinter.orientation =
        m_orientation->currentIndex() == 1 ? QPageLayout::Landscape : QPageLayout::Portrait;
    QDialog::accept();
}

} // namespace ui
