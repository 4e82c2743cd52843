#include "platform/os/gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace os
{

QByteArray toGbk(const QString& text)
{
    QStringEncoder encoder("GBK");
    return encoder.isValid() ? QByteArray(encoder.encode(text)) : text.toLocal8Bit();
}

QString fromGbk(const QByteArray& bytes)
{
    QStringDecoder decoder("GBK");
    return decoder.isValid() ? QString(decoder.decode(bytes)) : QString::fromLocal8Bit(bytes);
}

} // namespace os
