#include "platform/os/inifile.h"

#include "platform/os/appenv.h"
#include "platform/os/gbk.h"

#include <QFile>
#include <QStringList>

namespace os
{
namespace
{

constexpr int MaxValueLength = 2047;

QStringList readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = fromGbk(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text.split(QLatin1Char('\n'));
}

bool isSectionLine(const QString& line, QString* name = nullptr)
{
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')) || !t.contains(QLatin1Char(']')))
        return false;
    if (name)
        *name = t.mid(1, t.indexOf(QLatin1Char(']')) - 1).trimmed();
    return true;
}

bool sameName(const QString& a, const QString& b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

// Index range [begin, end) of the section's body, or begin = -1 when absent.
std::pair<int, int> sectionBody(const QStringList& lines, const QString& section)
{
    int begin = -1;
    for (int i = 0; i < lines.size(); ++i) {
        QString name;
        if (!isSectionLine(lines[i], &name))
            continue;
        if (begin >= 0)
            return {begin, i};
        if (sameName(name, section))
            begin = i + 1;
    }
    return {begin, int(lines.size())};
}

int findKey(const QStringList& lines, std::pair<int, int> body, const QString& key)
{
    for (int i = body.first; i >= 0 && i < body.second; ++i) {
        const int eq = lines[i].indexOf(QLatin1Char('='));
        if (eq > 0 && sameName(lines[i].left(eq), key))
            return i;
    }
    return -1;
}

} // namespace

QString IniFile::readString(const QString& section, const QString& key, const QString& def) const
{
    const QStringList lines = readLines(m_path);
    const int at = findKey(lines, sectionBody(lines, section), key);
    if (at < 0)
        return def;
    QString value = lines[at].mid(lines[at].indexOf(QLatin1Char('=')) + 1).trimmed();
    if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
        value = value.mid(1, value.size() - 2);
    return value.left(MaxValueLength);
}

int IniFile::readInteger(const QString& section, const QString& key, int def) const
{
    const QString text = readString(section, key, QString());
    bool ok = false;
    int value;
    if (text.size() > 2 && text[0] == QLatin1Char('0') && (text[1].toLower() == QLatin1Char('x')))
        value = text.mid(2).toInt(&ok, 16);
    else
        value = text.toInt(&ok, 10);
    return ok ? value : def;
}

bool IniFile::readBool(const QString& section, const QString& key, bool def) const
{
    return readInteger(section, key, def ? 1 : 0) != 0;
}

void IniFile::writeString(const QString& section, const QString& key, const QString& value)
{
    QStringList lines = readLines(m_path);
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const auto body = sectionBody(lines, section);
    const QString entry = key + QLatin1Char('=') + value;
    const int at = findKey(lines, body, key);
    if (at >= 0) {
        lines[at] = entry;
    } else if (body.first >= 0) {
        int insertAt = body.second;
        while (insertAt > body.first && lines[insertAt - 1].trimmed().isEmpty())
            --insertAt;
        lines.insert(insertAt, entry);
    } else {
        lines << QLatin1Char('[') + section + QLatin1Char(']') << entry;
    }
    QFile file(m_path);
    const QByteArray bytes = toGbk(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw IniWriteError(QStringLiteral("Unable to write to %1").arg(m_path).toStdString());
}

void IniFile::writeBool(const QString& section, const QString& key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

namespace settings
{
IniFile file()
{
    return IniFile(appDir() + QStringLiteral("myini.ini"));
}
} // namespace settings

} // namespace os
