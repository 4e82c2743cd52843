#include "points/categorychecks.h"

#include "platform/ui/dialogs.h"
#include "points/numbers.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace points
{

bool categoryNameGiven(QLineEdit* name)
{
    if (!name->text().isEmpty())
        return true;
    ui::error(QStringLiteral("提示"), QStringLiteral("消费类别名称不能为空！"));
    name->setFocus();
    return false;
}

bool ratioAccepted(QLineEdit* ratio)
{
    if (ratio->text().isEmpty())
        ratio->setText(QStringLiteral("1"));
    // The ratio goes bare into the statement, so only a real number may pass.
    if (!isNumber(ratio->text())) {
        ui::error(QStringLiteral("提示"),
                  QStringLiteral("积分比例“%1”不是有效的数字！").arg(ratio->text()));
        ratio->setFocus();
        return false;
    }
    if (toNumber(ratio->text()) <= 0) {
        ui::error(QStringLiteral("提示"), QStringLiteral("积分比例必须大于零！"));
        ratio->setFocus();
        return false;
    }
    return true;
}

QGroupBox* categoryHelp(QWidget* parent)
{
    auto* box = new QGroupBox(QStringLiteral("说明"), parent);
    box->setObjectName(QStringLiteral("GroupBox1"));
    auto* text = new QLabel(QStringLiteral("说明：\n"
                                           "1、消费类别酒店会员消费的大类别，比如\n"
                                           "餐饮、洗浴、娱乐等等。\n"
                                           "2、积分比例是指每消费多少元增加积分1分,\n"
                                           "积分的计算是四舍五入、保留两位小数。"),
                            box);
    text->setObjectName(QStringLiteral("Label3"));
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(text);
    return box;
}

} // namespace points
