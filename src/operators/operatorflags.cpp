#include "operators/operatorflags.h"

#include "platform/db/query.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QStringList>

namespace operators
{
namespace
{

QString caption(int flag, FlagCaptions captions)
{
    static const QStringList editor = {QStringLiteral("操作人员设置"),
                                       QStringLiteral("店铺名称设置"),
                                       QStringLiteral("数据库备份"),
                                       QStringLiteral("数据库恢复"),
                                       QStringLiteral("历史数据清除"),
                                       QStringLiteral("数据初始化"),
                                       QStringLiteral("会员消费类别设置"),
                                       QStringLiteral("新增/修改会员卡信息"),
                                       QStringLiteral("会员查询"),
                                       QStringLiteral("全部会员信息"),
                                       QStringLiteral("会员卡口头挂失及取消"),
                                       QStringLiteral("会员卡正式挂失"),
                                       QStringLiteral("增加积分"),
                                       QStringLiteral("积分兑换"),
                                       QStringLiteral("会员消费记录删除"),
                                       QStringLiteral("会员积分增减历史记录"),
                                       QStringLiteral("口头挂失记录"),
                                       QStringLiteral("全部挂失记录"),
                                       QStringLiteral("会员生日提醒"),
                                       QStringLiteral("积分手动清零"),
                                       QStringLiteral("会员消费记录")};
    if (flag == 7 && captions == FlagCaptions::List)
        return QStringLiteral("会员消费类型类别设置");
    return editor.at(flag - 1);
}

} // namespace

QVector<QCheckBox*> createFlagBoxes(QWidget* parent, FlagCaptions captions)
{
    auto* grid = new QGridLayout(parent);
    QVector<QCheckBox*> boxes;
    for (int flag = 1; flag <= FlagCount; ++flag) {
        auto* box = new QCheckBox(caption(flag, captions), parent);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(flag));
        grid->addWidget(box, (flag - 1) / 3, (flag - 1) % 3);
        boxes << box;
    }
    return boxes;
}

void setAllFlags(const QVector<QCheckBox*>& boxes, bool ticked)
{
    for (QCheckBox* box : boxes)
        box->setChecked(ticked);
}

void showFlags(const QVector<QCheckBox*>& boxes, const db::Query& row)
{
    for (int flag = 1; flag <= boxes.size(); ++flag)
        boxes[flag - 1]->setChecked(!row.eof() && row.asBoolean(QString::number(flag)));
}

QString flagText(const QCheckBox* box)
{
    return box->isChecked() ? QStringLiteral("-1") : QStringLiteral("0");
}

} // namespace operators
