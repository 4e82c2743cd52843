#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

namespace ui
{

// One cell of a worksheet: a number cell, a text cell, or nothing when the
// text is empty.
struct XlsCell {
    bool isNumber = false;
    double number = 0;
    QString text;
};

// Excel 97-2003 holds at most this many rows and columns on a sheet.
constexpr int XlsMaxRows = 65536;
constexpr int XlsMaxColumns = 256;
constexpr int XlsMaxTextLength = 32767;

// An Excel 97-2003 (BIFF8) workbook file with one sheet holding the rows,
// column widths given in pixels. Raises std::runtime_error past the limits.
QByteArray xlsWorkbook(const QVector<QVector<XlsCell>>& rows, const QVector<int>& widthsPx,
                       const QString& sheetName = QStringLiteral("Sheet1"));

// The compound-file container (OLE2 structured storage) around one stream.
QByteArray compoundFile(const QString& streamName, const QByteArray& stream);

} // namespace ui
