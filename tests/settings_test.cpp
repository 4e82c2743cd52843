// The settings file beside the program: defaults, the boolean rule, GBK text
// and refused writes.
#include "platform/os/appenv.h"
#include "platform/os/inifile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace
{

class Settings : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        os::setAppDir(m_dir.path());
    }
    void TearDown() override { os::setAppDir(QString()); }

    QString iniPath() const { return m_dir.filePath(QStringLiteral("myini.ini")); }
    void writeBytes(const QByteArray& bytes)
    {
        QFile f(iniPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray bytes() const
    {
        QFile f(iniPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The file as another program would write it: GBK text.
    void writeIni(const QString& body) { writeBytes(gbk(body)); }
    static QByteArray gbk(const QString& text)
    {
        QStringEncoder encoder("GBK");
        return encoder.encode(text);
    }

    QString read(const QString& key, const QString& def = QString())
    {
        return os::settings::file().readString(os::settings::Section, key, def);
    }
    bool readBool(const QString& key, bool def)
    {
        return os::settings::file().readBool(os::settings::Section, key, def);
    }

    QTemporaryDir m_dir;
};

TEST_F(Settings, MissingFileGivesTheDefaultsAndTheFirstWriteCreatesItInGbk)
{
    EXPECT_EQ(read(QStringLiteral("店铺名称"), QStringLiteral("蔚川石软件工作室")),
              QStringLiteral("蔚川石软件工作室"));
    EXPECT_TRUE(readBool(QStringLiteral("提醒"), true));
    EXPECT_FALSE(readBool(QStringLiteral("打印小票"), false));
    EXPECT_FALSE(QFile::exists(iniPath())); // reading creates nothing

    os::IniFile ini = os::settings::file();
    EXPECT_EQ(ini.path(), iniPath());
    ini.writeString(os::settings::Section, QStringLiteral("店铺名称"), QStringLiteral("川味馆"));
    ini.writeBool(os::settings::Section, QStringLiteral("打印小票"), true);
    ini.writeBool(os::settings::Section, QStringLiteral("提醒"), false);
    EXPECT_EQ(bytes(),
              gbk(QStringLiteral("[程序参数]\r\n店铺名称=川味馆\r\n打印小票=1\r\n提醒=0\r\n")));
    // "程序参数" in GBK, whatever the encoder above says.
    EXPECT_TRUE(bytes().startsWith(QByteArray("[\xb3\xcc\xd0\xf2\xb2\xce\xca\xfd]")));

    EXPECT_EQ(read(QStringLiteral("店铺名称")), QStringLiteral("川味馆"));
    EXPECT_TRUE(readBool(QStringLiteral("打印小票"), false));
    EXPECT_FALSE(readBool(QStringLiteral("提醒"), true));

    // Rewriting a key replaces its line; the others stay.
    ini.writeString(os::settings::Section, QStringLiteral("店铺名称"), QString());
    EXPECT_EQ(read(QStringLiteral("店铺名称"), QStringLiteral("默认")), QString());
    EXPECT_EQ(bytes(), gbk(QStringLiteral("[程序参数]\r\n店铺名称=\r\n打印小票=1\r\n提醒=0\r\n")));
}

TEST_F(Settings, NamesIgnoreLetterCaseAndValuesAreTrimmedAndCut)
{
    const QString longValue = QString(3000, QLatin1Char('x'));
    writeIni(QStringLiteral("[其他]\r\nPort=lpt9\r\n[程序参数]\r\n  Port =  lpt2  \r\n"
                            "广告语=  欢迎光临 本店  \r\n长=%1\r\n背景图片=\r\n")
                 .arg(longValue));
    EXPECT_EQ(read(QStringLiteral("port")), QStringLiteral("lpt2"));
    EXPECT_EQ(
        os::settings::file().readString(QStringLiteral("其他"), QStringLiteral("PORT"), QString()),
        QStringLiteral("lpt9"));
    EXPECT_EQ(read(QStringLiteral("广告语")), QStringLiteral("欢迎光临 本店"));
    EXPECT_EQ(read(QStringLiteral("长")), longValue.left(2047));
    // Present but empty is not missing.
    EXPECT_EQ(read(QStringLiteral("背景图片"), QStringLiteral("image\\001.bmp")), QString());

    os::IniFile ini = os::settings::file();
    ini.writeString(QStringLiteral("程序参数"), QStringLiteral("PORT"), QStringLiteral("lpt3"));
    EXPECT_EQ(read(QStringLiteral("Port")), QStringLiteral("lpt3"));
    EXPECT_EQ(
        os::settings::file().readString(QStringLiteral("其他"), QStringLiteral("port"), QString()),
        QStringLiteral("lpt9"));
    EXPECT_EQ(bytes().count("lpt"), 2); // replaced, not added
}

TEST_F(Settings, BooleansFollowTheIntegerRule)
{
    const std::pair<const char*, int> cases[] = {
        // value, read with default true / default false: 1 true, 0 false, -1 the default
        {"1", 1},   {"0", 0},     {"-1", 1},   {"2", 1},
        {" 7 ", 1}, {"0x0", 0},   {"0x10", 1}, {"0XfF", 1},
        {"0x", -1}, {"0xg", -1},  {"abc", -1}, {"1.5", -1},
        {"", -1},   {"true", -1}, {"00", 0},   {"99999999999", -1},
    };
    for (const auto& [value, expected] : cases) {
        writeIni(QStringLiteral("[程序参数]\r\n提醒=%1\r\n").arg(QLatin1String(value)));
        const bool withTrue = readBool(QStringLiteral("提醒"), true);
        const bool withFalse = readBool(QStringLiteral("提醒"), false);
        if (expected < 0) {
            EXPECT_TRUE(withTrue) << value;
            EXPECT_FALSE(withFalse) << value;
        } else {
            EXPECT_EQ(withTrue, expected == 1) << value;
            EXPECT_EQ(withFalse, expected == 1) << value;
        }
    }
}

TEST_F(Settings, RefusedWritesRaiseUnableToWrite)
{
    auto expectRefused = [](const QString& path) {
        os::IniFile ini(path);
        try {
            ini.writeString(os::settings::Section, QStringLiteral("店铺名称"), QStringLiteral("x"));
            ADD_FAILURE() << "write to " << path.toStdString() << " was not refused";
        } catch (const os::IniWriteError& e) {
            EXPECT_EQ(QString::fromStdString(e.what()),
                      QStringLiteral("Unable to write to ") + path);
        }
    };
    // A folder standing where the file should be refuses writes even to root.
    QDir(m_dir.path()).mkdir(QStringLiteral("myini.ini"));
    expectRefused(iniPath());
    expectRefused(m_dir.filePath(QStringLiteral("no such folder/myini.ini")));

    if (geteuid() == 0)
        return; // the permission cases below mean nothing to root
    const QString readOnlyFile = m_dir.filePath(QStringLiteral("ro.ini"));
    QFile(readOnlyFile).open(QIODevice::WriteOnly);
    QFile::setPermissions(readOnlyFile, QFileDevice::ReadOwner);
    expectRefused(readOnlyFile);
    const QString folder = m_dir.filePath(QStringLiteral("ro"));
    QDir().mkdir(folder);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    expectRefused(folder + QStringLiteral("/myini.ini"));
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
