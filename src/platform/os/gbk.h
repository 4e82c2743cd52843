#pragma once

#include <QByteArray>
#include <QString>

namespace os
{

// The system's ANSI code page: settings and receipts are GBK bytes.
QByteArray toGbk(const QString& text);
QString fromGbk(const QByteArray& bytes);

} // namespace os
