#include "platform/ui/xlswriter.h"

#include <QHash>
#include <QtEndian>
#include <cmath>
#include <cstring>
#include <stdexcept>

namespace ui
{

namespace
{

void put16(QByteArray& out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void put32(QByteArray& out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

void putDouble(QByteArray& out, double v)
{
    quint64 bits;
    std::memcpy(&bits, &v, sizeof bits);
    char b[8];
    qToLittleEndian(bits, b);
    out.append(b, 8);
}

void set32(QByteArray& out, int at, quint32 v)
{
    qToLittleEndian(v, out.data() + at);
}

void putUtf16(QByteArray& out, const QString& text)
{
    for (QChar c : text)
        put16(out, c.unicode());
}

void record(QByteArray& out, quint16 type, const QByteArray& body)
{
    put16(out, type);
    put16(out, quint16(body.size()));
    out.append(body);
}

// Short strings (font and sheet names): 8-bit length, always stored as UTF-16.
QByteArray shortString(const QString& text)
{
    QByteArray b;
    b.append(char(text.size()));
    b.append(char(1));
    putUtf16(b, text);
    return b;
}

constexpr int MaxRecordBody = 8224;
constexpr quint16 CellXf = 15;

void bof(QByteArray& out, quint16 kind)
{
    QByteArray b;
    put16(b, 0x0600);
    put16(b, kind);
    put16(b, 0x0DBB);
    put16(b, 0x07CC);
    put32(b, 0);
    put32(b, 6);
    record(out, 0x0809, b);
}

void fonts(QByteArray& out)
{
    // Index 4 does not exist in this format, so four records give fonts 0 to 3.
    for (int i = 0; i < 4; ++i) {
        QByteArray b;
        put16(b, 200);    // 10 pt
        put16(b, 0);      // plain
        put16(b, 0x7FFF); // automatic colour
        put16(b, 400);    // normal weight
        put16(b, 0);
        b.append(char(0));   // no underline
        b.append(char(0));   // family
        b.append(char(134)); // GB2312 character set
        b.append(char(0));
        b.append(shortString(QStringLiteral("宋体")));
        record(out, 0x0031, b);
    }
}

void xfs(QByteArray& out)
{
    // Fifteen style formats (0 is "Normal") and the cell format every cell uses.
    for (int i = 0; i <= int(CellXf); ++i) {
        const bool style = i < int(CellXf);
        QByteArray b;
        put16(b, quint16(style && i > 0 ? (i < 3 ? 1 : 2) : 0)); // font
        put16(b, 0);                                             // General
        put16(b, style ? 0xFFF5 : 0x0001);
        b.append(char(0x20)); // bottom aligned
        b.append(char(0));
        b.append(char(0));
        b.append(char(style && i > 0 ? 0xF4 : 0));
        put32(b, 0);
        put32(b, 0);
        put16(b, 0x20C0);
        record(out, 0x00E0, b);
    }
}

struct StringTable {
    QVector<QString> strings;
    QHash<QString, quint32> index;
    quint32 references = 0;

    quint32 add(const QString& s)
    {
        ++references;
        const auto it = index.constFind(s);
        if (it != index.constEnd())
            return *it;
        const quint32 i = quint32(strings.size());
        strings << s;
        index.insert(s, i);
        return i;
    }
};

// The shared string table, continued in further records where it overflows
// one, with the look-up table that points into it every few strings.
void sharedStrings(QByteArray& out, const StringTable& table)
{
    const int perBucket = qMax(8, (int(table.strings.size()) + 127) / 128);
    QByteArray buckets;
    put16(buckets, quint16(perBucket));

    int recordStart = int(out.size());
    put16(out, 0x00FC);
    put16(out, 0);
    auto bodySize = [&] { return int(out.size()) - recordStart - 4; };
    auto closeRecord = [&] { qToLittleEndian(quint16(bodySize()), out.data() + recordStart + 2); };
    auto continueRecord = [&] {
        closeRecord();
        recordStart = int(out.size());
        put16(out, 0x003C);
        put16(out, 0);
    };
    put32(out, table.references);
    put32(out, quint32(table.strings.size()));
    for (int i = 0; i < table.strings.size(); ++i) {
        const QString& s = table.strings[i];
        if (bodySize() + 3 + 2 > MaxRecordBody)
            continueRecord();
        if (i % perBucket == 0) {
            put32(buckets, quint32(out.size()));
            put16(buckets, quint16(out.size() - recordStart));
            put16(buckets, 0);
        }
        put16(out, quint16(s.size()));
        out.append(char(1));
        int done = 0;
        while (done < s.size()) {
            int room = (MaxRecordBody - bodySize()) / 2;
            if (room == 0) {
                // A string split across records repeats its flags byte.
                continueRecord();
                out.append(char(1));
                room = (MaxRecordBody - bodySize()) / 2;
            }
            const int n = qMin(room, int(s.size()) - done);
            putUtf16(out, s.mid(done, n));
            done += n;
        }
    }
    closeRecord();
    record(out, 0x00FF, buckets);
}

QByteArray globals(const StringTable& table, const QString& sheetName, int* sheetOffsetAt)
{
    QByteArray out;
    bof(out, 0x0005);
    QByteArray codePage;
    put16(codePage, 1200); // UTF-16
    record(out, 0x0042, codePage);
    QByteArray window;
    for (quint16 v : {0, 0, 0x4000, 0x2000, 0x0038, 0, 0, 1, 0x0258})
        put16(window, v);
    record(out, 0x003D, window);
    fonts(out);
    xfs(out);
    QByteArray style;
    put16(style, 0x8000);
    style.append(char(0));
    style.append(char(0xFF));
    record(out, 0x0293, style);
    QByteArray sheet;
    put32(sheet, 0);
    sheet.append(char(0));
    sheet.append(char(0));
    sheet.append(shortString(sheetName.left(31)));
    *sheetOffsetAt = int(out.size()) + 4;
    record(out, 0x0085, sheet);
    sharedStrings(out, table);
    record(out, 0x000A, QByteArray());
    return out;
}

bool isSmallInteger(double v)
{
    return v == std::floor(v) && v >= -(1 << 29) && v < (1 << 29);
}

QByteArray worksheet(const QVector<QVector<XlsCell>>& rows, const QVector<quint32>& sst,
                     const QVector<int>& widthsPx, int columns)
{
    QByteArray out;
    bof(out, 0x0010);
    for (int c = 0; c < widthsPx.size() && c < columns; ++c) {
        QByteArray b;
        put16(b, quint16(c));
        put16(b, quint16(c));
        put16(b, quint16(qBound(256, widthsPx[c] * 256 / 7, 255 * 256)));
        put16(b, CellXf);
        put16(b, 0);
        put16(b, 0);
        record(out, 0x007D, b);
    }
    QByteArray dims;
    put32(dims, 0);
    put32(dims, quint32(rows.size()));
    put16(dims, 0);
    put16(dims, quint16(columns));
    put16(dims, 0);
    record(out, 0x0200, dims);
    int next = 0;
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size(); ++c) {
            const XlsCell& cell = rows[r][c];
            if (!cell.isNumber && cell.text.isEmpty())
                continue;
            QByteArray b;
            put16(b, quint16(r));
            put16(b, quint16(c));
            put16(b, CellXf);
            if (cell.isNumber && isSmallInteger(cell.number)) {
                // Whole numbers as Excel itself stores them (an RK value).
                put32(b, quint32(qint32(cell.number)) << 2 | 2);
                record(out, 0x027E, b);
            } else if (cell.isNumber) {
                putDouble(b, cell.number);
                record(out, 0x0203, b);
            } else {
                put32(b, sst[next++]);
                record(out, 0x00FD, b);
            }
        }
    }
    QByteArray window;
    put16(window, 0x06B6);
    put16(window, 0);
    put16(window, 0);
    put32(window, 64);
    put16(window, 0);
    put16(window, 0);
    put32(window, 0);
    record(out, 0x023E, window);
    record(out, 0x000A, QByteArray());
    return out;
}

// --- compound file ------------------------------------------------------------

constexpr int SectorSize = 512;
constexpr quint32 FreeSector = 0xFFFFFFFF;
constexpr quint32 EndOfChain = 0xFFFFFFFE;
constexpr quint32 FatSector = 0xFFFFFFFD;
constexpr quint32 DifatSector = 0xFFFFFFFC;
constexpr quint32 NoStream = 0xFFFFFFFF;
constexpr int HeaderDifat = 109;
constexpr int PerSector = SectorSize / 4;

QByteArray directoryEntry(const QString& name, quint8 type, quint32 child, quint32 start,
                          quint32 size)
{
    QByteArray e;
    putUtf16(e, name);
    e.append(64 - e.size(), '\0');
    put16(e, quint16(name.isEmpty() ? 0 : (name.size() + 1) * 2));
    e.append(char(type));
    e.append(char(1)); // black
    put32(e, NoStream);
    put32(e, NoStream);
    put32(e, child);
    e.append(16 + 4 + 8 + 8, '\0'); // class id, state bits, times
    put32(e, start);
    put32(e, size);
    put32(e, 0);
    return e;
}

} // namespace

QByteArray compoundFile(const QString& streamName, const QByteArray& stream)
{
    // Streams below 4096 bytes would live in the mini stream, which some
    // readers refuse: the caller pads, this writer never uses one.
    const int streamSectors = (int(stream.size()) + SectorSize - 1) / SectorSize;
    int fatSectors = 1;
    int difatSectors = 0;
    for (;;) {
        const int total = streamSectors + 1 + fatSectors + difatSectors;
        const int fat = (total + PerSector - 1) / PerSector;
        const int difat =
            fat > HeaderDifat ? (fat - HeaderDifat + PerSector - 2) / (PerSector - 1) : 0;
        if (fat == fatSectors && difat == difatSectors)
            break;
        fatSectors = fat;
        difatSectors = difat;
    }
    const quint32 dirSector = quint32(streamSectors);
    const quint32 firstFat = dirSector + 1;
    const quint32 firstDifat = firstFat + quint32(fatSectors);

    QVector<quint32> fat(fatSectors * PerSector, FreeSector);
    for (int s = 0; s < streamSectors; ++s)
        fat[s] = s + 1 < streamSectors ? quint32(s + 1) : EndOfChain;
    fat[int(dirSector)] = EndOfChain;
    for (int i = 0; i < fatSectors; ++i)
        fat[int(firstFat) + i] = FatSector;
    for (int i = 0; i < difatSectors; ++i)
        fat[int(firstDifat) + i] = DifatSector;

    QByteArray out;
    out.append("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    out.append(16, '\0');
    put16(out, 0x003E);
    put16(out, 0x0003);
    put16(out, 0xFFFE);
    put16(out, 9); // 512-byte sectors
    put16(out, 6); // 64-byte mini sectors
    out.append(6, '\0');
    put32(out, 0); // directory sectors (always 0 in version 3)
    put32(out, quint32(fatSectors));
    put32(out, dirSector);
    put32(out, 0);
    put32(out, 4096);
    put32(out, EndOfChain); // no mini FAT
    put32(out, 0);
    put32(out, difatSectors ? firstDifat : EndOfChain);
    put32(out, quint32(difatSectors));
    for (int i = 0; i < HeaderDifat; ++i)
        put32(out, i < fatSectors ? firstFat + quint32(i) : FreeSector);

    out.append(stream);
    out.append(streamSectors * SectorSize - int(stream.size()), '\0');

    QByteArray dir;
    dir.append(directoryEntry(QStringLiteral("Root Entry"), 5, 1, EndOfChain, 0));
    dir.append(directoryEntry(streamName, 2, NoStream, 0, quint32(stream.size())));
    dir.append(directoryEntry(QString(), 0, NoStream, 0, 0));
    dir.append(directoryEntry(QString(), 0, NoStream, 0, 0));
    out.append(dir);

    for (quint32 v : fat)
        put32(out, v);

    int listed = HeaderDifat;
    for (int d = 0; d < difatSectors; ++d) {
        for (int i = 0; i < PerSector - 1; ++i, ++listed)
            put32(out, listed < fatSectors ? firstFat + quint32(listed) : FreeSector);
        put32(out, d + 1 < difatSectors ? firstDifat + quint32(d + 1) : EndOfChain);
    }
    return out;
}

QByteArray xlsWorkbook(const QVector<QVector<XlsCell>>& rows, const QVector<int>& widthsPx,
                       const QString& sheetName)
{
    if (rows.size() > XlsMaxRows)
        throw std::runtime_error(QStringLiteral("数据共 %1 行，超过 Excel 工作表最多 %2 行的限制。")
                                     .arg(rows.size())
                                     .arg(XlsMaxRows)
                                     .toStdString());
    int columns = 0;
    StringTable table;
    QVector<quint32> sst;
    for (const auto& row : rows) {
        columns = qMax(columns, int(row.size()));
        for (const XlsCell& cell : row) {
            if (!cell.isNumber && !cell.text.isEmpty())
                sst << table.add(cell.text.left(XlsMaxTextLength));
        }
    }
    if (columns > XlsMaxColumns)
        throw std::runtime_error(QStringLiteral("数据共 %1 列，超过 Excel 工作表最多 %2 列的限制。")
                                     .arg(columns)
                                     .arg(XlsMaxColumns)
                                     .toStdString());
    int sheetOffsetAt = 0;
    QByteArray stream = globals(table, sheetName, &sheetOffsetAt);
    set32(stream, sheetOffsetAt, quint32(stream.size()));
    stream.append(worksheet(rows, sst, widthsPx, columns));
    // Excel never writes a workbook stream shorter than the mini-stream limit.
    if (stream.size() < 4096)
        stream.append(4096 - int(stream.size()), '\0');
    return compoundFile(QStringLiteral("Workbook"), stream);
}

} // namespace ui
