#include "app/navigation.h"
#include "members/xinhuiyuanfrm.h"
#include "operators/caozuorenyuanfrm.h"
#include "operators/xinzengcaozuorenyuanfrm.h"
#include "operators/xiugaimimafrm.h"
#include "points/Unit2.h"
#include "points/dayinshezhifrm.h"
#include "points/duihuanfrm.h"
#include "points/leixingfrm.h"

#include <QHash>
#include <functional>

// One line per window class that opens inside the main frame.

namespace app
{

QWidget* createChildWindow(const QString& className)
{
    static const QHash<QString, std::function<QWidget*()>> factories = {
        {QStringLiteral("Tleixing"), [] { return new Tleixing; }},
        {QStringLiteral("Txinhuiyuan"), [] { return new Txinhuiyuan; }},
        {QStringLiteral("Tdayinshezhi"), [] { return new Tdayinshezhi; }},
        {QStringLiteral("Tzengjiajifen"), [] { return new Tzengjiajifen; }},
        {QStringLiteral("Tduihuan"), [] { return new Tduihuan; }},
        {QStringLiteral("Tcaozuorenyuan"), [] { return new Tcaozuorenyuan; }},
        {QStringLiteral("Txinzengcaozuorenyuan"), [] { return new Txinzengcaozuorenyuan; }},
        {QStringLiteral("Txiugaimima"), [] { return new Txiugaimima; }},
    };
    const auto it = factories.find(className);
    return it == factories.end() ? nullptr : it.value()();
}

} // namespace app
