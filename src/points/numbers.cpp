#include "points/numbers.h"

#include "platform/os/regional.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <cmath>
#include <stdexcept>

namespace points
{

bool isNumber(const QString& text)
{
    static const QRegularExpression form(
        QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?\\s*$"));
    return form.match(text).hasMatch() && std::isfinite(text.trimmed().toDouble());
}

double toNumber(const QString& text)
{
    if (!isNumber(text))
        throw std::runtime_error(
            QStringLiteral("'%1' is not a valid floating point value").arg(text).toStdString());
    return text.trimmed().toDouble();
}

namespace
{
class NumberKeys : public QObject
{
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (text.size() != 1)
            return false;
        const ushort code = text.at(0).unicode();
        const bool allowed = text.at(0).isDigit() || text.at(0) == QLatin1Char('.');
        return code >= 32 && code <= 254 && !allowed;
    }
};
} // namespace

void acceptNumberKeysOnly(QLineEdit* box)
{
    box->installEventFilter(new NumberKeys(box));
}

double roundPoints(double x)
{
    const double whole = std::trunc(x);
    const double fraction = x - whole;
    // The fraction written in plain notation with 15 significant digits.
    QString digits = QString::number(std::fabs(fraction), 'g', 15);
    if (digits.contains(QLatin1Char('e')))
        digits = QString::number(std::fabs(fraction), 'f', 20);
    const int point = digits.indexOf(QLatin1Char('.'));
    QString decimals = point < 0 ? QString() : digits.mid(point + 1);
    decimals = decimals.leftJustified(3, QLatin1Char('0'));
    int hundredths = decimals.left(2).toInt();
    if (decimals.at(2).digitValue() >= 5)
        ++hundredths;
    const double sign = x < 0 ? -1 : 1;
    return whole + sign * hundredths / 100.0;
}

double pointsFor(double amount, double ratio)
{
    const QString shown = os::numberText(amount / ratio);
    return roundPoints(shown.toDouble());
}

} // namespace points
