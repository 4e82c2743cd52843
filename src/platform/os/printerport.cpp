#include "platform/os/printerport.h"

#include <QFile>
#include <QRegularExpression>

namespace os
{

QString printerDevicePath(const QString& port)
{
    static const QRegularExpression lpt(QStringLiteral("^lpt([1-4])$"),
                                        QRegularExpression::CaseInsensitiveOption);
    const auto m = lpt.match(port.trimmed());
    if (!m.hasMatch())
        return port;
#ifdef _WIN32
    return QStringLiteral("\\\\.\\LPT%1").arg(m.captured(1));
#else
    return QStringLiteral("/dev/lp%1").arg(m.captured(1).toInt() - 1);
#endif
}

bool writeToPrinterPort(const QString& port, const QByteArray& bytes)
{
    if (port.trimmed().isEmpty())
        return false;
    QFile device(printerDevicePath(port));
    if (!device.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered))
        return false;
    return device.write(bytes) == bytes.size();
}

} // namespace os
