#pragma once

#include <QString>
#include <stdexcept>

namespace os
{

class IniWriteError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// An INI-style text file in GBK, read afresh on every call as the system's
// profile functions do: section and key names ignore letter case, values are
// trimmed and cut to 2047 characters, a missing file reads as defaults.
class IniFile
{
public:
    explicit IniFile(const QString& path) : m_path(path) {}

    QString readString(const QString& section, const QString& key, const QString& def) const;
    bool readBool(const QString& section, const QString& key, bool def) const;
    int readInteger(const QString& section, const QString& key, int def) const;

    // Raises IniWriteError "Unable to write to <file>" when the write is refused.
    void writeString(const QString& section, const QString& key, const QString& value);
    void writeBool(const QString& section, const QString& key, bool value);

    const QString& path() const { return m_path; }

private:
    QString m_path;
};

// The workstation settings: myini.ini beside the executable, section 程序参数.
namespace settings
{
inline const QString Section = QStringLiteral("程序参数");
IniFile file();
} // namespace settings

} // namespace os
