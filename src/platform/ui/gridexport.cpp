#include "platform/ui/gridexport.h"

#include "platform/os/gbk.h"
#include "platform/ui/dbgrid.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/xlswriter.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringEncoder>
#include <cerrno>
#include <functional>
#include <stdexcept>

namespace ui
{

const QString ExportFilter = QStringLiteral("文本|*.TXT|CSV|*.CSV|HTLM|*.HTM|RTF|*.RTF|XLS|*.XLS");

namespace
{

struct Cell {
    QString text;
    bool isNumber = false;
    double number = 0;
};

// The grid as the export sees it: the title row, every record, the footer row.
class GridRows
{
public:
    explicit GridRows(const DBGridEh& grid)
        : m_grid(grid), m_records(grid.rowCount()), m_footer(grid.footerVisible())
    {
    }

    int count() const { return 1 + m_records + (m_footer ? 1 : 0); }
    int columns() const { return m_grid.visibleColumnCount(); }
    bool isTitle(int row) const { return row == 0; }
    bool isFooter(int row) const { return m_footer && row == count() - 1; }
    int width(int column) const { return m_grid.columnWidth(column); }
    Qt::Alignment alignment(int column) const
    {
        return m_grid.visibleColumn(column).alignment & Qt::AlignHorizontal_Mask;
    }

    QVector<Cell> row(int row) const
    {
        QVector<Cell> cells;
        cells.reserve(columns());
        for (int c = 0; c < columns(); ++c)
            cells << cell(row, c);
        return cells;
    }

private:
    static Cell numberIf(bool numeric, const QString& text)
    {
        Cell cell{text};
        if (numeric)
            cell.number = text.toDouble(&cell.isNumber);
        return cell;
    }

    Cell cell(int row, int column) const
    {
        if (isTitle(row))
            return Cell{m_grid.titleText(column)};
        if (isFooter(row)) {
            const auto kind = m_grid.visibleColumn(column).footer;
            return numberIf(kind == GridColumn::Footer::Count || kind == GridColumn::Footer::Sum,
                            m_grid.footerDisplay(column));
        }
        const QVariant value = m_grid.cellValue(row - 1, column);
        const int type = value.typeId();
        return numberIf(type == QMetaType::LongLong || type == QMetaType::Int ||
                            type == QMetaType::Double,
                        m_grid.displayText(row - 1, column));
    }

    const DBGridEh& m_grid;
    int m_records;
    bool m_footer;
};

using Sink = std::function<void(const QByteArray&)>;

// The system's code page; GB18030 is GBK extended so no character is lost.
QByteArray ansi(const QString& text)
{
    QStringEncoder encoder("GB18030");
    return encoder.isValid() ? QByteArray(encoder.encode(text)) : os::toGbk(text);
}

void writeDelimited(const GridRows& rows, const Sink& out, bool csv)
{
    for (int r = 0; r < rows.count(); ++r) {
        QStringList cells;
        for (const Cell& cell : rows.row(r)) {
            if (!csv) {
                cells << cell.text;
                continue;
            }
            QString quoted = cell.text;
            quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
            cells << QLatin1Char('"') + quoted + QLatin1Char('"');
        }
        QString line = cells.join(csv ? QLatin1Char(';') : QLatin1Char('\t'));
        if (r > 0)
            line.prepend(QStringLiteral("\r\n"));
        out(ansi(line));
    }
}

QString htmlEscaped(const QString& text)
{
    QString s = text.toHtmlEscaped();
    s.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
    s.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    return s;
}

QString htmlAlign(Qt::Alignment a)
{
    if (a & Qt::AlignHCenter)
        return QStringLiteral("center");
    if (a & Qt::AlignRight)
        return QStringLiteral("right");
    return QStringLiteral("left");
}

void writeHtml(const GridRows& rows, const Sink& out)
{
    // The footer stays a plain body row: some spreadsheet imports drop a <tfoot>.
    out(QByteArrayLiteral(
        "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"utf-8\">\r\n"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\r\n"
        "<style>table{border-collapse:collapse;font-size:9pt}"
        "th,td{border:1px solid #808080;padding:2px 4px;white-space:nowrap}"
        "th{background:#d4d0c8}tr.footer td{background:#ffff00}</style>\r\n"
        "</head>\r\n<body>\r\n<table>\r\n"));
    for (int r = 0; r < rows.count(); ++r) {
        const bool title = rows.isTitle(r);
        QString line;
        if (r == 1)
            line += QStringLiteral("<tbody>\r\n");
        line += title              ? QStringLiteral("<thead>\r\n<tr>")
                : rows.isFooter(r) ? QStringLiteral("<tr class=\"footer\">")
                                   : QStringLiteral("<tr>");
        const QVector<Cell> cells = rows.row(r);
        const QString tag = title ? QStringLiteral("th") : QStringLiteral("td");
        for (int c = 0; c < cells.size(); ++c)
            line += QStringLiteral("<%1 style=\"text-align:%2\">%3</%1>")
                        .arg(tag, htmlAlign(rows.alignment(c)), htmlEscaped(cells[c].text));
        line += QStringLiteral("</tr>\r\n");
        if (title)
            line += QStringLiteral("</thead>\r\n");
        if (r > 0 && r == rows.count() - 1)
            line += QStringLiteral("</tbody>\r\n");
        out(line.toUtf8());
    }
    out(QByteArrayLiteral("</table>\r\n</body>\r\n</html>\r\n"));
}

QByteArray rtfText(const QString& text)
{
    QByteArray b;
    for (QChar ch : text) {
        const ushort u = ch.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            b.append('\\');
            b.append(char(u));
        } else if (u == '\n') {
            b.append("\\line ");
        } else if (u == '\r') {
            continue;
        } else if (u == '\t') {
            b.append("\\tab ");
        } else if (u < 0x80) {
            b.append(char(u));
        } else {
            // RTF takes the code unit as a signed 16-bit number, then a fallback.
            b.append("\\u" + QByteArray::number(int(qint16(u))) + '?');
        }
    }
    return b;
}

QByteArray rtfAlign(Qt::Alignment a)
{
    if (a & Qt::AlignHCenter)
        return "\\qc";
    if (a & Qt::AlignRight)
        return "\\qr";
    return "\\ql";
}

void writeRtf(const GridRows& rows, const Sink& out)
{
    out("{\\rtf1\\ansi\\ansicpg936\\deff0\\uc1{\\fonttbl{\\f0\\fnil\\fcharset134 SimSun;}}\r\n"
        "\\viewkind4\\pard\\f0\\fs18\r\n");
    QByteArray rowDefinition = "\\trowd\\trgaph60\\trleft0";
    int right = 0;
    for (int c = 0; c < rows.columns(); ++c) {
        right += qMax(20, rows.width(c)) * 15; // pixels to twips at 96 dpi
        rowDefinition += "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10"
                         "\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10\\cellx" +
                         QByteArray::number(right);
    }
    for (int r = 0; r < rows.count(); ++r) {
        QByteArray line = rowDefinition + "\r\n";
        const QVector<Cell> cells = rows.row(r);
        for (int c = 0; c < cells.size(); ++c) {
            line += "\\pard\\intbl" + rtfAlign(rows.alignment(c)) + ' ';
            const QByteArray text = rtfText(cells[c].text);
            line += rows.isTitle(r) ? "{\\b " + text + '}' : text;
            line += "\\cell\r\n";
        }
        line += "\\row\r\n";
        out(line);
    }
    out("\\pard\\par\r\n}\r\n");
}

void writeXls(const GridRows& rows, const Sink& out)
{
    if (rows.count() > XlsMaxRows)
        throw std::runtime_error(
            QStringLiteral("要导出的数据共 %1 行（含标题行和合计行），超过 Excel 工作表最多 %2 "
                           "行的限制。请缩小查询范围后再导出，或选择其他格式。")
                .arg(rows.count())
                .arg(XlsMaxRows)
                .toStdString());
    QVector<QVector<XlsCell>> sheet;
    sheet.reserve(rows.count());
    for (int r = 0; r < rows.count(); ++r) {
        QVector<XlsCell> line;
        for (const Cell& cell : rows.row(r))
            line << XlsCell{cell.isNumber, cell.number, cell.text};
        sheet << line;
    }
    QVector<int> widths;
    for (int c = 0; c < rows.columns(); ++c)
        widths << rows.width(c);
    out(xlsWorkbook(sheet, widths));
}

} // namespace

ExportFormat exportFormatAt(int filterIndex)
{
    switch (filterIndex) {
    case 1:
        return ExportFormat::Text;
    case 2:
        return ExportFormat::Csv;
    case 3:
        return ExportFormat::Html;
    case 4:
        return ExportFormat::Rtf;
    default:
        return ExportFormat::Xls;
    }
}

QString exportExtension(ExportFormat format)
{
    switch (format) {
    case ExportFormat::Text:
        return QStringLiteral("txt");
    case ExportFormat::Csv:
        return QStringLiteral("csv");
    case ExportFormat::Html:
        return QStringLiteral("htm");
    case ExportFormat::Rtf:
        return QStringLiteral("rtf");
    case ExportFormat::Xls:
        break;
    }
    return QStringLiteral("xls");
}

QString withExportExtension(const QString& fileName, ExportFormat format)
{
    const QString ext = exportExtension(format);
    if (fileName.right(3).compare(ext, Qt::CaseInsensitive) == 0)
        return fileName;
    return fileName + QLatin1Char('.') + ext;
}

void writeGridFile(const DBGridEh& grid, const QString& path, ExportFormat format)
{
    const GridRows rows(grid);
    const QString shown = QDir::toNativeSeparators(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error(
            QStringLiteral("无法创建文件“%1”。%2").arg(shown, file.errorString()).toStdString());
    // A full disk shows as a short write, not always as an error of the file.
    bool shortWrite = false;
    const Sink out = [&](const QByteArray& bytes) {
        if (!shortWrite && file.write(bytes) != bytes.size())
            shortWrite = true;
    };
    switch (format) {
    case ExportFormat::Text:
        writeDelimited(rows, out, false);
        break;
    case ExportFormat::Csv:
        writeDelimited(rows, out, true);
        break;
    case ExportFormat::Html:
        writeHtml(rows, out);
        break;
    case ExportFormat::Rtf:
        writeRtf(rows, out);
        break;
    case ExportFormat::Xls:
        writeXls(rows, out);
        break;
    }
    const bool flushed = !shortWrite && file.flush();
    // Until the commit only the temporary file beside the target was written.
    if (!flushed || !file.commit()) {
        const QString reason =
            file.error() != QFileDevice::NoError ? file.errorString() : qt_error_string(errno);
        file.cancelWriting();
        throw std::runtime_error(
            QStringLiteral("写入文件“%1”失败。%2").arg(shown, reason).toStdString());
    }
}

bool exportGrid(const DBGridEh& grid)
{
    FileDialogRequest request;
    request.save = true;
    request.filter = ExportFilter;
    request.filterIndex = 5;
    request.fileName = QStringLiteral("file1");
    if (!dialogs().fileDialog(grid.window(), request))
        return false;
    const ExportFormat format = exportFormatAt(request.filterIndex);
    const QString path = withExportExtension(request.fileName, format);
    // The dialog asked about the name as typed; a name extended here is asked about again.
    if (path != request.fileName && QFileInfo::exists(path) &&
        !confirm(QStringLiteral("确认另存为"),
                 QStringLiteral("%1 已存在。\n要替换它吗？").arg(QFileInfo(path).fileName())))
        return false;
    writeGridFile(grid, path, format);
    return true;
}

} // namespace ui
