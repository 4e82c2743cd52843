#include "platform/ui/gridformat.h"

#include "platform/os/regional.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QStringList>
#include <cmath>

namespace ui
{

namespace
{

bool isNumericFormat(const QString& format)
{
    return format.contains(QLatin1Char('0')) || format.contains(QLatin1Char('#'));
}

bool isDateTimeFormat(const QString& format)
{
    for (QChar c : format) {
        switch (c.toLower().unicode()) {
        case 'y':
        case 'm':
        case 'd':
        case 'h':
        case 'n':
        case 's':
            return true;
        default:
            break;
        }
    }
    return false;
}

QString formatNumber(double value, const QString& format)
{
    // Only the first section (positive numbers) of a sectioned format is used.
    const QString section = format.section(QLatin1Char(';'), 0, 0);
    const int first = int(section.indexOf(QRegularExpression(QStringLiteral("[0#.,]"))));
    int last = -1;
    for (int i = int(section.size()) - 1; i >= 0; --i) {
        if (QStringLiteral("0#.,").contains(section[i])) {
            last = i;
            break;
        }
    }
    if (first < 0)
        return os::numberText(value);
    const QString prefix = section.left(first);
    const QString suffix = section.mid(last + 1);
    const QString body = section.mid(first, last - first + 1);
    const int point = int(body.indexOf(QLatin1Char('.')));
    const QString decimals = point < 0 ? QString() : body.mid(point + 1);
    const int minDecimals = int(decimals.count(QLatin1Char('0')));
    const int maxDecimals = minDecimals + int(decimals.count(QLatin1Char('#')));
    const bool grouping = body.left(point < 0 ? body.size() : point).contains(QLatin1Char(','));

    QString text = QString::number(std::fabs(value), 'f', maxDecimals);
    if (maxDecimals > minDecimals) {
        int keep = int(text.size());
        const int minEnd = int(text.indexOf(QLatin1Char('.'))) + 1 + minDecimals;
        while (keep > minEnd && text[keep - 1] == QLatin1Char('0'))
            --keep;
        if (keep > 0 && text[keep - 1] == QLatin1Char('.'))
            --keep;
        text.truncate(keep);
    }
    if (grouping) {
        int end = int(text.indexOf(QLatin1Char('.')));
        if (end < 0)
            end = int(text.size());
        for (int i = end - 3; i > 0; i -= 3)
            text.insert(i, QLatin1Char(','));
    }
    const bool negative = value < 0 && text.contains(QRegularExpression(QStringLiteral("[1-9]")));
    return prefix + (negative ? QStringLiteral("-") : QString()) + text + suffix;
}

// Numbers separated by sep ("2026-3-7", "9:05:03"); false unless 2 or 3 of them.
bool readNumbers(QStringView text, QChar sep, int out[3], int* count)
{
    *count = 0;
    int value = -1;
    for (QChar c : text) {
        if (c.isDigit() && c.unicode() < 128) {
            value = (value < 0 ? 0 : value * 10) + (c.unicode() - '0');
            if (value > 99999)
                return false;
        } else if (c == sep && value >= 0 && *count < 2) {
            out[(*count)++] = value;
            value = -1;
        } else {
            return false;
        }
    }
    if (value < 0)
        return false;
    out[(*count)++] = value;
    return *count >= 2;
}

QDate readDate(QStringView text)
{
    int n[3];
    int count = 0;
    if (!readNumbers(text, QLatin1Char('-'), n, &count) &&
        !readNumbers(text, QLatin1Char('/'), n, &count))
        return QDate();
    return count == 3 ? QDate(n[0], n[1], n[2]) : QDate();
}

QTime readTime(QStringView text)
{
    int n[3] = {0, 0, 0};
    int count = 0;
    if (!readNumbers(text, QLatin1Char(':'), n, &count))
        return QTime();
    return QTime(n[0], n[1], count == 3 ? n[2] : 0);
}

// Dates, times and both as the database holds them; read by hand because the
// grid formats every visible cell on every paint.
QDateTime readDateTime(const QVariant& value)
{
    const QString text = value.toString().trimmed();
    int split = int(text.indexOf(QLatin1Char(' ')));
    if (split < 0)
        split = int(text.indexOf(QLatin1Char('T')));
    if (split > 0) {
        const QDate date = readDate(QStringView(text).left(split));
        const QTime time = readTime(QStringView(text).mid(split + 1).trimmed());
        return date.isValid() && time.isValid() ? QDateTime(date, time) : QDateTime();
    }
    if (text.contains(QLatin1Char(':'))) {
        const QTime time = readTime(text);
        return time.isValid() ? QDateTime(QDate(1899, 12, 30), time) : QDateTime();
    }
    const QDate date = readDate(text);
    return date.isValid() ? QDateTime(date, QTime(0, 0)) : QDateTime();
}

QString pad(int value, int width)
{
    return QString::number(value).rightJustified(width, QLatin1Char('0'));
}

int runLength(const QString& format, int at)
{
    int n = 1;
    while (at + n < format.size() && format[at + n].toLower() == format[at].toLower())
        ++n;
    return n;
}

// "m" means minutes right after an hour field or right before a seconds field.
bool minutesAt(const QString& format, int at, int length, QChar previousField)
{
    if (previousField == QLatin1Char('h'))
        return true;
    for (int i = at + length; i < format.size(); ++i) {
        const QChar c = format[i].toLower();
        if (c == QLatin1Char('s'))
            return true;
        if (c.isLetter())
            return false;
    }
    return false;
}

QString formatDateTime(const QDateTime& dt, const QString& format)
{
    QString out;
    QChar previousField;
    for (int i = 0; i < format.size();) {
        const QChar raw = format[i];
        const QChar c = raw.toLower();
        if (raw == QLatin1Char('"') || raw == QLatin1Char('\'')) {
            const int close = int(format.indexOf(raw, i + 1));
            const int end = close < 0 ? int(format.size()) : close;
            out += format.mid(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        if (!QStringLiteral("ymdhns").contains(c)) {
            out += raw;
            ++i;
            continue;
        }
        const int n = runLength(format, i);
        switch (c.unicode()) {
        case 'y':
            out += n <= 2 ? pad(dt.date().year() % 100, 2) : pad(dt.date().year(), 4);
            break;
        case 'm':
            if (minutesAt(format, i, n, previousField))
                out += pad(dt.time().minute(), n >= 2 ? 2 : 1);
            else
                out += pad(dt.date().month(), n >= 2 ? 2 : 1);
            break;
        case 'd':
            out += pad(dt.date().day(), n >= 2 ? 2 : 1);
            break;
        case 'h':
            out += pad(dt.time().hour(), n >= 2 ? 2 : 1);
            break;
        case 'n':
            out += pad(dt.time().minute(), n >= 2 ? 2 : 1);
            break;
        default:
            out += pad(dt.time().second(), n >= 2 ? 2 : 1);
            break;
        }
        previousField = c;
        i += n;
    }
    return out;
}

double truthValue(const QVariant& value, bool* ok)
{
    const QString t = value.toString().trimmed();
    if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) {
        *ok = true;
        return 1;
    }
    if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) {
        *ok = true;
        return 0;
    }
    return t.toDouble(ok);
}

} // namespace

QString plainText(const QVariant& value)
{
    if (value.isNull())
        return QString();
    if (value.typeId() == QMetaType::Double)
        return os::numberText(value.toDouble());
    return value.toString();
}

QString formatCell(const QVariant& value, const QString& displayFormat)
{
    if (value.isNull())
        return QString();
    if (displayFormat.isEmpty())
        return plainText(value);
    if (isNumericFormat(displayFormat)) {
        bool ok = false;
        const double d = value.toString().trimmed().toDouble(&ok);
        return ok ? formatNumber(d, displayFormat) : plainText(value);
    }
    if (displayFormat.contains(QLatin1Char(';'))) {
        bool ok = false;
        const double d = truthValue(value, &ok);
        if (!ok)
            return plainText(value);
        return displayFormat.section(QLatin1Char(';'), d != 0 ? 0 : 1, d != 0 ? 0 : 1);
    }
    if (isDateTimeFormat(displayFormat)) {
        const QDateTime dt = readDateTime(value);
        return dt.isValid() ? formatDateTime(dt, displayFormat) : plainText(value);
    }
    return plainText(value);
}

} // namespace ui
