#include "members/searchpanel.h"

#include "app/dm1frm.h"
#include "platform/ui/dbgrid.h"

#include <QHeaderView>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace members
{

const SearchPanel::Field SearchPanel::Fields[SearchPanel::FieldCount] = {
    {"会员姓名", "Edit3"},
    {"身份证号", "Edit4"},
    {"固定电话", "Edit5"},
    {"手机", "Edit6"},
};

SearchPanel::SearchPanel(QWidget* window) : QGroupBox(window), m_grid(new ui::DBGridEh(this))
{
    setObjectName(QStringLiteral("GroupBox2"));
    m_grid->setObjectName(QStringLiteral("DBGridEh1"));
    m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_grid->setRowSelect(true);

    m_hide = new QPushButton(QStringLiteral("隐藏"), this);
    m_hide->setObjectName(QStringLiteral("BitBtn3"));
    connect(m_hide, &QPushButton::clicked, this, &QWidget::hide);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_grid);
    layout->addWidget(m_hide, 0, Qt::AlignRight);

    for (int i = 0; i < FieldCount; ++i) {
        auto* button = new QPushButton(window);
        button->setObjectName(QStringLiteral("BitBtn%1").arg(5 + i));
        button->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
        button->setToolTip(QStringLiteral("模糊查找"));
        button->setFixedWidth(28);
        m_search[i] = button;
    }

    connect(m_grid, &ui::DBGridEh::rowDoubleClicked, this,
            [this](int row) { emit cardDoubleClicked(cardAt(row)); });
    hide();
}

void SearchPanel::showResults()
{
    m_grid->setDataSource(&TDM1::instance().ADOQuery7);
    show();
    raise();
}

QString SearchPanel::cardAt(int row) const
{
    db::Query* query = m_grid->dataSource();
    if (!query || row < 0)
        return QString();
    return query->value(row, 0).toString();
}

} // namespace members
