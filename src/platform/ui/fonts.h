#pragma once

#include <QFont>
#include <QString>

namespace ui
{

// A font by its Windows family name (宋体, 华文行楷, 楷体_GB2312), falling
// back to an installed CJK font where the named one is missing.
QFont cjkFont(const QString& family, int pixelSize, bool bold = false);

} // namespace ui
