#include "platform/os/appenv.h"

#include <QCoreApplication>
#include <QDir>

namespace os
{
namespace
{
QString g_appDir;
QDateTime g_fixedNow;
} // namespace

QString appDir()
{
    QString dir = g_appDir.isEmpty() ? QCoreApplication::applicationDirPath() : g_appDir;
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

void setAppDir(const QString& dir)
{
    g_appDir = dir.isEmpty() ? QString() : QDir::cleanPath(dir);
}

QDateTime now()
{
    return g_fixedNow.isValid() ? g_fixedNow : QDateTime::currentDateTime();
}

QDate today()
{
    return now().date();
}

void setFixedNow(const QDateTime& moment)
{
    g_fixedNow = moment;
}

} // namespace os
