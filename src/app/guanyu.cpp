#include "app/guanyu.h"

#include "platform/ui/fonts.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Tguanyu::Tguanyu(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tguanyu"));
    setWindowTitle(QStringLiteral("关于"));
    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel(QStringLiteral("会员积分管理系统 V5.0"), this);
    name->setFont(ui::cjkFont(QStringLiteral("宋体"), 20, true));
    layout->addWidget(name);
    layout->addWidget(
        new QLabel(QStringLiteral("会员卡、积分、兑换、挂失与消费记录的前台管理。"), this));
    layout->addWidget(new QLabel(QStringLiteral("蔚川石软件工作室"), this));
    auto* ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignRight);
}
