// Export of a grid in the five formats, the save dialog and its extension
// rule, and a write that fails without touching the file it was to replace.
#include "grid_fixture.h"

#include "platform/os/regional.h"
#include "platform/ui/gridexport.h"
#include "platform/ui/xlswriter.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <csignal>
#include <freexl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace
{

using Table = QList<QStringList>;

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString ansi(const QByteArray& bytes)
{
    QStringDecoder decoder("GB18030");
    return decoder.decode(bytes);
}

Table splitLines(const QString& text, const QString& separator)
{
    Table table;
    for (const QString& line : text.split(QStringLiteral("\r\n")))
        table << line.split(separator);
    return table;
}

Table fromCsv(const QString& text)
{
    Table table;
    for (const QString& line : text.split(QStringLiteral("\r\n"))) {
        QStringList cells;
        for (const QString& quoted : line.split(QStringLiteral("\";\""))) {
            QString cell = quoted;
            if (cell.startsWith(QLatin1Char('"')))
                cell.remove(0, 1);
            if (cell.endsWith(QLatin1Char('"')) && !cell.endsWith(QStringLiteral("\"\"\"")) &&
                cell.count(QLatin1Char('"')) % 2 == 1)
                cell.chop(1);
            cells << cell.replace(QStringLiteral("\"\""), QStringLiteral("\""));
        }
        table << cells;
    }
    return table;
}

QString unescapeHtml(QString s)
{
    s.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    s.replace(QStringLiteral("&#39;"), QStringLiteral("'"));
    s.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    s.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    s.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return s;
}

Table fromHtml(const QString& html)
{
    Table table;
    static const QRegularExpression row(QStringLiteral("<tr[^>]*>(.*?)</tr>"),
                                        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression cell(QStringLiteral("<t[hd][^>]*>(.*?)</t[hd]>"));
    for (auto r = row.globalMatch(html); r.hasNext();) {
        QStringList cells;
        const QString body = r.next().captured(1);
        for (auto c = cell.globalMatch(body); c.hasNext();)
            cells << unescapeHtml(c.next().captured(1));
        table << cells;
    }
    return table;
}

// The plain text of an RTF fragment: escapes decoded, control words and groups dropped.
QString rtfPlain(const QByteArray& rtf)
{
    QString out;
    for (int i = 0; i < rtf.size(); ++i) {
        const char ch = rtf[i];
        if (ch == '{' || ch == '}' || ch == '\r' || ch == '\n')
            continue;
        if (ch != '\\') {
            out += QLatin1Char(ch);
            continue;
        }
        const char next = i + 1 < rtf.size() ? rtf[i + 1] : ' ';
        if (next == '\\' || next == '{' || next == '}') {
            out += QLatin1Char(next);
            ++i;
            continue;
        }
        int j = i + 1;
        while (j < rtf.size() && std::isalpha(uchar(rtf[j])))
            ++j;
        const QByteArray word = rtf.mid(i + 1, j - i - 1);
        int k = j;
        while (k < rtf.size() && (rtf[k] == '-' || std::isdigit(uchar(rtf[k]))))
            ++k;
        if (word == "u") {
            out += QChar(ushort(qint16(rtf.mid(j, k - j).toInt())));
            if (k < rtf.size() && rtf[k] == '?')
                ++k;
        } else if (k < rtf.size() && rtf[k] == ' ') {
            ++k;
        }
        i = k - 1;
    }
    return out;
}

// Rows end in \row, cells in \cell; the cell definitions (\cellx) come first.
Table fromRtf(const QByteArray& rtf)
{
    Table table;
    static const QRegularExpression definitions(QStringLiteral("^.*\\\\cellx\\d+"));
    const QString all = QString::fromLatin1(rtf);
    for (const QString& row : all.split(QStringLiteral("\\row"))) {
        if (!row.contains(QStringLiteral("\\trowd")))
            continue;
        QString body = row.mid(row.indexOf(QStringLiteral("\\trowd")));
        body.remove(definitions);
        QStringList cells;
        QStringList pieces = body.split(QStringLiteral("\\cell"));
        pieces.removeLast();
        for (const QString& piece : pieces)
            cells << rtfPlain(piece.toLatin1()).trimmed();
        table << cells;
    }
    return table;
}

struct XlsRead {
    int status = FREEXL_OK;
    Table cells;
    QList<QList<int>> types;
};

XlsRead readXls(const QString& path)
{
    XlsRead out;
    const void* handle = nullptr;
    out.status = freexl_open(QFile::encodeName(path).constData(), &handle);
    if (out.status != FREEXL_OK || !handle) {
        if (out.status == FREEXL_OK)
            out.status = -1;
        freexl_close(handle);
        return out;
    }
    unsigned int rows = 0;
    unsigned short columns = 0;
    freexl_select_active_worksheet(handle, 0);
    freexl_worksheet_dimensions(handle, &rows, &columns);
    for (unsigned int r = 0; r < rows; ++r) {
        QStringList line;
        QList<int> kinds;
        for (unsigned short c = 0; c < columns; ++c) {
            FreeXL_CellValue v;
            freexl_get_cell_value(handle, r, c, &v);
            kinds << v.type;
            switch (v.type) {
            case FREEXL_CELL_INT:
                line << QString::number(v.value.int_value);
                break;
            case FREEXL_CELL_DOUBLE:
                line << os::numberText(v.value.double_value);
                break;
            case FREEXL_CELL_NULL:
                line << QString();
                break;
            default:
                line << QString::fromUtf8(v.value.text_value);
            }
        }
        out.cells << line;
        out.types << kinds;
    }
    freexl_close(handle);
    return out;
}

class ExportTest : public test::LedgerGridTest
{
protected:
    void SetUp() override
    {
        LedgerGridTest::SetUp();
        addThreeRows();
        openAll();
        grid->titleClicked(3, false); // 增减积分, ascending
        grid->titleClicked(3, false); // and descending
    }

    QString path(const QString& name) const { return dir() + name; }

    // Titles, the rows sorted by points descending, the footer.
    const Table expected{
        {"会员卡号", "会员姓名", "返现金", "增减积分", "日期", "时间"},
        {"1002", "O'Brien 王", "0", "12.5", "2026-12-01", "08:00:09"},
        {"1003", "张三", "0", "10", "2026-12-01", "09:05:03"},
        {"1001", "李\"四", "0", "-30", "2026-12-01", "14:30:00"},
        {"合计次数", "3", "合计积分", "-7.5", "", ""},
    };
};

TEST_F(ExportTest, AllFiveFormatsHoldTitlesSortedRowsAndFooterAsDisplayed)
{
    using ui::ExportFormat;
    ui::writeGridFile(*grid, path("a.txt"), ExportFormat::Text);
    ui::writeGridFile(*grid, path("a.csv"), ExportFormat::Csv);
    ui::writeGridFile(*grid, path("a.htm"), ExportFormat::Html);
    ui::writeGridFile(*grid, path("a.rtf"), ExportFormat::Rtf);
    ui::writeGridFile(*grid, path("a.xls"), ExportFormat::Xls);

    const QByteArray txt = readAll(path("a.txt"));
    EXPECT_FALSE(txt.endsWith("\r\n"));
    EXPECT_EQ(splitLines(ansi(txt), QStringLiteral("\t")), expected);

    const QString csv = ansi(readAll(path("a.csv")));
    EXPECT_TRUE(csv.startsWith(QStringLiteral("\"会员卡号\";\"会员姓名\";")));
    EXPECT_TRUE(csv.contains(QStringLiteral("\"李\"\"四\"")));
    EXPECT_TRUE(csv.contains(QStringLiteral("\"合计积分\";\"-7.5\";\"\";\"\"")));
    EXPECT_EQ(fromCsv(csv), expected);

    const QByteArray html = readAll(path("a.htm"));
    EXPECT_TRUE(html.contains("<meta charset=\"utf-8\">"));
    EXPECT_EQ(html.count("<table"), 1);
    EXPECT_EQ(fromHtml(QString::fromUtf8(html)), expected);

    const QByteArray rtf = readAll(path("a.rtf"));
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    EXPECT_TRUE(rtf.contains("\\u24352?\\u19977?")) << "张三 as Unicode escapes";
    for (char c : rtf)
        ASSERT_LT(uchar(c), 0x80) << "RTF stays 7-bit";
    EXPECT_EQ(fromRtf(rtf), expected);

    const XlsRead xls = readXls(path("a.xls"));
    ASSERT_EQ(xls.status, FREEXL_OK);
    EXPECT_EQ(xls.cells, expected);
    EXPECT_EQ(xls.types[1][0], FREEXL_CELL_SST_TEXT) << "card numbers stay text";
    EXPECT_EQ(xls.types[1][3], FREEXL_CELL_DOUBLE);
    EXPECT_EQ(xls.types[2][3], FREEXL_CELL_INT);
    EXPECT_EQ(xls.types[4][1], FREEXL_CELL_INT) << "the count is a number";
    EXPECT_EQ(xls.types[4][0], FREEXL_CELL_SST_TEXT);
}

TEST_F(ExportTest, EmptyGridWritesTitleAndFooterRows)
{
    query->reopen(QStringLiteral("select * from 流水记录 where 会员卡号='无'"));
    ui::writeGridFile(*grid, path("e.txt"), ui::ExportFormat::Text);
    EXPECT_EQ(splitLines(ansi(readAll(path("e.txt"))), QStringLiteral("\t")),
              (Table{expected[0], {"合计次数", "0", "合计积分", "0", "", ""}}));
    ui::writeGridFile(*grid, path("e.xls"), ui::ExportFormat::Xls);
    EXPECT_EQ(readXls(path("e.xls")).cells.size(), 2);
}

TEST(ExportExtension, LastThreeCharactersDecide)
{
    using ui::ExportFormat;
    struct Case {
        const char* typed;
        ExportFormat format;
        const char* written;
    };
    const Case cases[] = {
        {"file1", ExportFormat::Xls, "file1.xls"},
        {"list.XLS", ExportFormat::Xls, "list.XLS"},
        {"list.txt", ExportFormat::Xls, "list.txt.xls"},
        {"dataxls", ExportFormat::Xls, "dataxls"},
        {"abc", ExportFormat::Csv, "abc.csv"},
        {"abc.TXT", ExportFormat::Text, "abc.TXT"},
        {"页面", ExportFormat::Html, "页面.htm"},
        {"r.Rtf", ExportFormat::Rtf, "r.Rtf"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ui::withExportExtension(QString::fromUtf8(c.typed), c.format),
                  QString::fromUtf8(c.written));
    EXPECT_EQ(ui::exportFormatAt(1), ExportFormat::Text);
    EXPECT_EQ(ui::exportFormatAt(4), ExportFormat::Rtf);
    EXPECT_EQ(ui::exportFormatAt(5), ExportFormat::Xls);
}

TEST_F(ExportTest, SaveDialogSettingsAndTheChosenFormat)
{
    dialogs.acceptFile(path("abc"), 2);
    EXPECT_TRUE(ui::exportGrid(*grid));
    ASSERT_EQ(dialogs.fileRequests.size(), 1);
    const ui::FileDialogRequest& asked = dialogs.fileRequests[0];
    EXPECT_TRUE(asked.save);
    EXPECT_EQ(asked.filter, QStringLiteral("文本|*.TXT|CSV|*.CSV|HTLM|*.HTM|RTF|*.RTF|XLS|*.XLS"));
    EXPECT_EQ(asked.filterIndex, 5);
    EXPECT_EQ(asked.fileName, QStringLiteral("file1"));
    EXPECT_EQ(fromCsv(ansi(readAll(path("abc.csv")))), expected);
    EXPECT_TRUE(dialogs.boxes.isEmpty()) << "the window shows its own success box";

    dialogs.acceptFile(path("file1")); // the preset XLS entry
    EXPECT_TRUE(ui::exportGrid(*grid));
    EXPECT_EQ(readXls(path("file1.xls")).cells, expected);
}

TEST_F(ExportTest, CancelWritesNothingAndShowsNothing)
{
    dialogs.cancelFile();
    EXPECT_FALSE(ui::exportGrid(*grid));
    EXPECT_EQ(QDir(dir()).entryList({"file1*"}, QDir::Files).size(), 0);
    EXPECT_TRUE(dialogs.boxes.isEmpty());
}

TEST_F(ExportTest, AnExtendedNameThatExistsIsAskedAbout)
{
    QFile old(path("abc.txt"));
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();

    dialogs.acceptFile(path("abc"), 1);
    dialogs.answer(ui::Answer::Cancel);
    EXPECT_FALSE(ui::exportGrid(*grid));
    ASSERT_EQ(dialogs.boxes.size(), 1);
    EXPECT_EQ(dialogs.boxes[0].icon, ui::Icon::Question);
    EXPECT_TRUE(dialogs.boxes[0].text.contains(QStringLiteral("abc.txt")));
    EXPECT_EQ(readAll(path("abc.txt")), QByteArray("old"));

    dialogs.acceptFile(path("abc"), 1);
    dialogs.answer(ui::Answer::Ok);
    EXPECT_TRUE(ui::exportGrid(*grid));
    EXPECT_EQ(splitLines(ansi(readAll(path("abc.txt"))), QStringLiteral("\t")), expected);

    // A name typed in full was already asked about by the dialog itself.
    dialogs.clear();
    dialogs.acceptFile(path("abc.txt"), 1);
    EXPECT_TRUE(ui::exportGrid(*grid));
    EXPECT_TRUE(dialogs.boxes.isEmpty());
}

TEST_F(ExportTest, FailedWriteRaisesAndLeavesTheExistingFileUntouched)
{
    const QString target = path("keep.xls");
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("earlier export");
    old.close();

    // A disk that fills up while writing: the file-size limit stands in for it.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 1000;
    setrlimit(RLIMIT_FSIZE, &small);
    bool raised = false;
    try {
        ui::writeGridFile(*grid, target, ui::ExportFormat::Xls);
    } catch (const std::runtime_error& e) {
        raised = QString::fromUtf8(e.what()).contains(QStringLiteral("keep.xls"));
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_TRUE(raised);
    EXPECT_EQ(readAll(target), QByteArray("earlier export"));
    EXPECT_EQ(QDir(dir()).entryList({"keep*"}, QDir::Files), QStringList{"keep.xls"})
        << "no temporary file left behind";

    EXPECT_THROW(ui::writeGridFile(*grid, path("missing/x.xls"), ui::ExportFormat::Xls),
                 std::runtime_error);

    // A folder without write access (root writes anywhere, so only as a user).
    if (geteuid() != 0) {
        QDir().mkpath(path("locked"));
        QFile::copy(target, path("locked/keep.xls"));
        QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_THROW(ui::writeGridFile(*grid, path("locked/keep.xls"), ui::ExportFormat::Text),
                     std::runtime_error);
        EXPECT_EQ(readAll(path("locked/keep.xls")), QByteArray("earlier export"));
        QFile::setPermissions(path("locked"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

TEST_F(ExportTest, TooManyRowsForAWorksheetIsRefusedBeforeWriting)
{
    connection.beginTrans();
    connection.execRaw(QStringLiteral(
        "with recursive n(i) as (select 1 union all select i + 1 from n where i < 65535) "
        "insert into 流水记录 (会员卡号, 增减积分) select i, 1 from n"));
    connection.commitTrans();
    openAll();
    ASSERT_GT(grid->rowCount() + 2, ui::XlsMaxRows);
    EXPECT_THROW(ui::writeGridFile(*grid, path("big.xls"), ui::ExportFormat::Xls),
                 std::runtime_error);
    EXPECT_FALSE(QFile::exists(path("big.xls")));
}

TEST(XlsWriter, LongStringTablesAndLargeFilesReadBackCellByCell)
{
    QTemporaryDir dir;
    // Many long Chinese texts: the string table spans several records, with
    // strings split across them.
    QVector<QVector<ui::XlsCell>> rows;
    for (int r = 0; r < 800; ++r) {
        const QString text = QStringLiteral("会员档案第%1行").arg(r).repeated(3);
        rows << QVector<ui::XlsCell>{{false, 0, text}, {true, r * 1.5, QString()}};
    }
    QFile file(dir.filePath("long.xls"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(ui::xlsWorkbook(rows, {100, 60}));
    file.close();
    const XlsRead read = readXls(file.fileName());
    ASSERT_EQ(read.status, FREEXL_OK);
    ASSERT_EQ(read.cells.size(), 800);
    for (int r = 0; r < 800; ++r) {
        ASSERT_EQ(read.cells[r][0], rows[r][0].text) << r;
        ASSERT_EQ(read.cells[r][1], os::numberText(r * 1.5)) << r;
    }

    // Past 7 MB the container needs more FAT sectors than its header lists.
    QVector<QVector<ui::XlsCell>> big(60000, QVector<ui::XlsCell>(10));
    for (int r = 0; r < big.size(); ++r)
        for (int c = 0; c < 10; ++c)
            big[r][c] = {true, double(r * 10 + c), QString()};
    big[59999][9] = {false, 0, QStringLiteral("最后")};
    const QByteArray bytes = ui::xlsWorkbook(big, {});
    ASSERT_GT(bytes.size(), 109 * 128 * 512);
    QFile bigFile(dir.filePath("big.xls"));
    ASSERT_TRUE(bigFile.open(QIODevice::WriteOnly));
    bigFile.write(bytes);
    bigFile.close();
    const XlsRead bigRead = readXls(bigFile.fileName());
    ASSERT_EQ(bigRead.status, FREEXL_OK);
    ASSERT_EQ(bigRead.cells.size(), 60000);
    EXPECT_EQ(bigRead.cells[0][1], QStringLiteral("1"));
    EXPECT_EQ(bigRead.cells[31234][5], QStringLiteral("312345"));
    EXPECT_EQ(bigRead.cells[59999][9], QStringLiteral("最后"));
}

} // namespace
