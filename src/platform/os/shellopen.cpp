#include "platform/os/shellopen.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace os
{

void shellOpen(const QString& path)
{
    if (QFileInfo::exists(path))
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace os
