#include "points/serialnumber.h"

#include "app/dm1frm.h"

#include <limits>
#include <stdexcept>

namespace points
{

QString serialAfter(const QString& highest)
{
    const QString base = (highest.isEmpty() || highest == QLatin1String(" "))
                             ? QStringLiteral("0000000000")
                             : highest.left(10);
    bool ok = false;
    const qint64 value = base.toLongLong(&ok);
    if (!ok || value < 0 || value > std::numeric_limits<qint32>::max())
        throw std::runtime_error(
            QStringLiteral("'%1' is not a valid integer value").arg(base).toStdString());
    if (value == std::numeric_limits<qint32>::max())
        throw std::runtime_error("serial numbers exhausted: 2147483647 was the last one");
    return QString::number(value + 1).rightJustified(10, QLatin1Char('0'));
}

QString nextSerialNumber()
{
    db::Query& q = app::select(TDM1::instance().ADOall,
                               QStringLiteral("select max(编号) as 最大编号 from 流水记录"));
    return serialAfter(q.asString(QStringLiteral("最大编号")));
}

} // namespace points
