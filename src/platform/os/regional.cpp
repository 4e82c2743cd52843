#include "platform/os/regional.h"

#include <QRegularExpression>
#include <stdexcept>

namespace os
{

QString shortDate(const QDate& date)
{
    return date.toString(ShortDateFormat);
}

QString longTime(const QTime& time)
{
    return time.toString(LongTimeFormat);
}

QString monthDay(const QDate& date)
{
    return QStringLiteral("%1-%2").arg(date.month()).arg(date.day());
}

QString longDate(const QDate& date)
{
    return QStringLiteral("%1年%2月%3日").arg(date.year()).arg(date.month()).arg(date.day());
}

QDate parseShortDate(const QString& text)
{
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d{1,4})-(\\d{1,2})-(\\d{1,2})"));
    const auto m = form.match(text);
    QDate date;
    if (m.hasMatch())
        date = QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (!date.isValid())
        throw std::runtime_error(
            QStringLiteral("'%1' is not a valid date").arg(text).toUtf8().toStdString());
    return date;
}

QString numberText(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    return QString::number(value, 'g', 15);
}

} // namespace os
