#pragma once

#include <QString>

namespace os
{

// Opens a document with the desktop's default handler; the result is not examined.
void shellOpen(const QString& path);

} // namespace os
