#include "app/menutable.h"

namespace app
{

const QVector<MenuEntry>& menuTable()
{
    static const QVector<MenuEntry> table = {
        {"系统设置", "操作人员及权限设置", "Tcaozuorenyuan", "操作人员设置", 1},
        {"系统设置", "修改密码", "Txiugaimima", "修改密码", 0},
        {"系统设置", "会员消费类别设置", "Tleixing", "会员消费类别设置", 7},
        {"系统设置", "店铺名称及小票打印设置", "Tdayinshezhi", "店铺名称及小票打印设置", 2},
        {"系统设置", "数据备份", "", "", 3},
        {"系统设置", "数据恢复", "", "", 4},
        {"系统设置", "积分手动清零", "", "", 20},
        {"系统设置", "历史数据清除", "Tzhengli", "数据整理", 5},
        {"系统设置", "数据初始化", "", "", 6},
        {"系统设置", "退出系统", "", "", 0},
        {"会员卡管理", "新增修改会员信息", "Txinhuiyuan", "新增/修改会员信息", 8},
        {"会员卡管理", "会员查询", "Tjifenchaxun", "会员查询", 9},
        {"会员卡管理", "全部会员信息", "Tquanbuhuiyuan", "全部会员信息", 10},
        {"会员卡管理", "会员卡口头挂失及取消", "Tkoutou", "会员卡口头挂失及取消", 11},
        {"会员卡管理", "会员卡正式挂失", "Tguashi", "会员卡正式挂失", 12},
        {"基本业务", "增加积分", "Tzengjiajifen", "会员消费增加积分", 13},
        {"基本业务", "积分兑换", "Tduihuan", "积分兑换", 14},
        {"查询报表", "会员积分增减历史记录", "Txiangxijilu", "会员积分增减历史记录", 16},
        {"查询报表", "会员消费记录", "Txiaofeijilu", "查询会员消费记录", 21},
        {"查询报表", "口头挂失记录", "Tkoutoujilu", "口头挂失记录", 17},
        {"查询报表", "全部挂失记录", "Tguashilishi", "全部挂失历史记录", 18},
        {"查询报表", "会员生日提醒", "Tshengri", "会员生日提醒", 19},
        {"系统帮助", "帮助", "", "", 0},
        {"系统帮助", "关于", "", "", 0},
    };
    return table;
}

const QVector<ToolEntry>& toolTable()
{
    static const QVector<ToolEntry> table = {
        {"RzToolButton9", "刷卡消费/增加积分", "增加积分"},
        {"RzToolButton10", "积分兑换", "积分兑换"},
        {"RzToolButton4", "会员管理", "新增修改会员信息"},
        {"RzToolButton12", "会员查询", "会员查询"},
        {"RzToolButton13", "生日提醒", "会员生日提醒"},
        {"RzToolButton14", "系统帮助", "帮助"},
        {"RzToolButton5", "暂时离开", ""},
        {"RzToolButton6", "退出", ""},
    };
    return table;
}

} // namespace app
