#include "platform/ui/gridfind.h"

#include "platform/ui/dbgrid.h"
#include "platform/ui/dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace ui
{

GridFindDialog::GridFindDialog(DBGridEh* grid)
    : QDialog(grid), m_grid(grid), m_text(new QLineEdit(this)), m_column(new QComboBox(this)),
      m_wholeCell(new QCheckBox(QStringLiteral("整个单元格匹配"), this)),
      m_matchCase(new QCheckBox(QStringLiteral("区分大小写"), this))
{
    setObjectName(QStringLiteral("GridFindDialog"));
    setWindowTitle(QStringLiteral("查找"));
    m_text->setObjectName(QStringLiteral("FindText"));
    m_column->setObjectName(QStringLiteral("FindColumn"));

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("查找内容:"), m_text);
    form->addRow(QStringLiteral("查找范围:"), m_column);
    form->addRow(m_wholeCell);
    form->addRow(m_matchCase);

    auto* findButton = new QPushButton(QStringLiteral("查找下一个"), this);
    findButton->setObjectName(QStringLiteral("FindNext"));
    findButton->setDefault(true);
    auto* closeButton = new QPushButton(QStringLiteral("关闭"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(findButton);
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(findButton, &QPushButton::clicked, this, &GridFindDialog::findNext);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::hide);
}

void GridFindDialog::refresh()
{
    const QString chosen = m_column->currentText();
    m_column->clear();
    m_column->addItem(QStringLiteral("全部列"));
    for (int c = 0; c < m_grid->visibleColumnCount(); ++c)
        m_column->addItem(m_grid->titleText(c));
    const int again = m_column->findText(chosen);
    const int current = m_grid->currentIndex().isValid() ? m_grid->currentIndex().column() + 1 : 0;
    m_column->setCurrentIndex(again >= 0 ? again : current);
    m_text->selectAll();
    m_text->setFocus();
}

void GridFindDialog::findNext()
{
    const QString text = m_text->text();
    if (text.isEmpty())
        return;
    if (!m_grid->findNext(text, m_column->currentIndex() - 1, m_wholeCell->isChecked(),
                          m_matchCase->isChecked()))
        information(QStringLiteral("查找"), QStringLiteral("找不到“%1”。").arg(text));
}

} // namespace ui
