#pragma once

#include <QByteArray>
#include <QString>

namespace os
{

// Where a port name of the settings leads: "lpt1".."lpt4" are the parallel
// ports, any other name is opened as a device or file path.
QString printerDevicePath(const QString& port);

// Writes raw bytes to the port. Returns false on any failure; receipts are
// never allowed to stop the desk's work.
bool writeToPrinterPort(const QString& port, const QByteArray& bytes);

} // namespace os
