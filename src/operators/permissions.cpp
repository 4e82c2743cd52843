#include "operators/permissions.h"

#include "app/dm1frm.h"
#include "app/mainfrm.h"
#include "platform/db/sqltext.h"

#include <QAction>
#include <QToolButton>

const QList<PermissionTarget>& permissionMap()
{
    static const QList<PermissionTarget> map = {
        {1, "操作人员及权限设置", ""},
        {2, "店铺名称及小票打印设置", ""},
        {3, "数据备份", ""},
        {4, "数据恢复", ""},
        {5, "历史数据清除", ""},
        {6, "数据初始化", ""},
        {7, "会员消费类别设置", ""},
        {8, "新增修改会员信息", "会员管理"},
        {9, "会员查询", "会员查询"},
        {10, "全部会员信息", ""},
        {11, "会员卡口头挂失及取消", ""},
        {12, "会员卡正式挂失", ""},
        {13, "增加积分", "刷卡消费/增加积分"},
        {14, "积分兑换", "积分兑换"},
        {16, "会员积分增减历史记录", ""},
        {17, "口头挂失记录", ""},
        {18, "全部挂失记录", ""},
        {19, "会员生日提醒", "生日提醒"},
        {20, "积分手动清零", ""},
        {21, "会员消费记录", ""},
    };
    return map;
}

namespace
{
void setTargetEnabled(TMAIN* main, const PermissionTarget& target, bool enabled)
{
    if (QAction* item = main->menuItem(target.menuItem))
        item->setEnabled(enabled);
    if (target.toolButton.isEmpty())
        return;
    if (QToolButton* button = main->toolButton(target.toolButton))
        button->setEnabled(enabled);
}
} // namespace

void applyPermissions(const QString& operatorCode)
{
    TMAIN* main = TMAIN::instance();
    if (!main)
        return;
    main->setOperatorPane(QStringLiteral("当前用户为:") + operatorCode);
    for (const PermissionTarget& target : permissionMap())
        setTargetEnabled(main, target, false);
    db::Query& q =
        app::select(TDM1::instance().ADOall, QStringLiteral("select * from 操作员 where 操作员='") +
                                                 db::esc(operatorCode) + QStringLiteral("'"));
    if (q.eof())
        return;
    for (const PermissionTarget& target : permissionMap()) {
        if (q.asBoolean(QString::number(target.flag)))
            setTargetEnabled(main, target, true);
    }
}
