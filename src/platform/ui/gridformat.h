#pragma once

#include <QString>
#include <QVariant>

namespace ui
{

// The text a grid cell shows for a stored value under a column's display
// format. Formats follow the grid's own notation: "hh:mm:ss" and "yyyy-mm-dd"
// for times and dates ("nn" or "mm" after hours are minutes), "0.00" or
// "#,##0.##" for numbers, "是;否" for flags (non-zero shows the first text).
// A value the format cannot read is shown as stored.
QString formatCell(const QVariant& value, const QString& displayFormat);

// A stored value as the grid shows it without a display format.
QString plainText(const QVariant& value);

} // namespace ui
