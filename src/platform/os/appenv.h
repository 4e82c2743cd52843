#pragma once

#include <QDateTime>
#include <QString>

namespace os
{

// The folder the program treats as its own: the executable's folder, or the
// folder a test puts in its place. Always ends with a separator.
QString appDir();
void setAppDir(const QString& dir);

// The clock every window reads; tests fix it.
QDateTime now();
QDate today();
void setFixedNow(const QDateTime& moment); // an invalid moment returns to the system clock

} // namespace os
