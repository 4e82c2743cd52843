#include "platform/db/jetsql.h"

#include <QRegularExpression>

namespace db
{
namespace
{

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c.unicode() > 0x7f;
}

// Copies a quoted run starting at i (quote char q, doubled quote = literal quote).
int copyQuoted(const QString& in, int i, QChar q, QString& out)
{
    out += in[i++];
    while (i < in.size()) {
        out += in[i];
        if (in[i] == q) {
            if (i + 1 < in.size() && in[i + 1] == q) {
                out += in[++i];
            } else {
                return i + 1;
            }
        }
        ++i;
    }
    return i;
}

// [name] becomes "name": SQLite's standard identifier quoting.
int copyBracketed(const QString& in, int i, QString& out)
{
    const int close = in.indexOf(QLatin1Char(']'), i + 1);
    if (close < 0) {
        out += in.mid(i);
        return in.size();
    }
    QString name = in.mid(i + 1, close - i - 1);
    name.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    out += QLatin1Char('"') + name + QLatin1Char('"');
    return close + 1;
}

// #yyyy-m-d# becomes the zero-padded text 'yyyy-MM-dd', the form dates are stored in.
int copyDateLiteral(const QString& in, int i, QString& out)
{
    static const QRegularExpression date(
        QStringLiteral("\\G#\\s*(\\d{4})-(\\d{1,2})-(\\d{1,2})\\s*#"));
    const auto m = date.match(in, i);
    if (!m.hasMatch()) {
        out += in[i];
        return i + 1;
    }
    out += QStringLiteral("'%1-%2-%3'")
               .arg(m.captured(1))
               .arg(m.captured(2).toInt(), 2, 10, QLatin1Char('0'))
               .arg(m.captured(3).toInt(), 2, 10, QLatin1Char('0'));
    return m.capturedEnd();
}

int copyWord(const QString& in, int i, QString& out)
{
    int end = i;
    while (end < in.size() && isWordChar(in[end]))
        ++end;
    const QString word = in.mid(i, end - i);
    if (word.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        out += QStringLiteral("-1");
    else if (word.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        out += QStringLiteral("0");
    else
        out += word;
    return end;
}

QString dropDeleteTarget(const QString& sql)
{
    static const QRegularExpression form(
        QStringLiteral("^(\\s*delete)\\s+(?!from\\b)(\"[^\"]*\"|\\S+)\\s+(from\\s)"),
        QRegularExpression::CaseInsensitiveOption);
    QString out = sql;
    // Most statements are selects: spare them the pattern match.
    if (!QStringView(out).trimmed().startsWith(QLatin1String("delete"), Qt::CaseInsensitive))
        return out;
    const auto m = form.match(out);
    if (m.hasMatch())
        out.replace(m.capturedStart(), m.capturedLength(),
                    m.captured(1) + QLatin1Char(' ') + m.captured(3));
    return out;
}

} // namespace

QString translateJet(const QString& jet)
{
    QString out;
    out.reserve(jet.size() + 16);
    int i = 0;
    while (i < jet.size()) {
        const QChar c = jet[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"'))
            i = copyQuoted(jet, i, c, out);
        else if (c == QLatin1Char('['))
            i = copyBracketed(jet, i, out);
        else if (c == QLatin1Char('#'))
            i = copyDateLiteral(jet, i, out);
        else if (isWordChar(c))
            i = copyWord(jet, i, out);
        else
            out += jet[i++];
    }
    return dropDeleteTarget(out);
}

} // namespace db
