#include "points/receipt.h"

#include "platform/os/gbk.h"
#include "platform/os/inifile.h"
#include "platform/os/printerport.h"

namespace points
{
namespace
{

const QString Welcome = QStringLiteral("          欢 迎 光 临");
const QString Tildes = QString(ReceiptWidth, QLatin1Char('~'));
const QByteArray FeedBytes("\x0B\x1B\x4A\x8C", 4);
const QByteArray LineFeed("\x0A", 1);
const QByteArray DrawerKick("\x1B\x70\x07", 3);

int columns(const QString& text)
{
    return int(os::toGbk(text).size());
}

// Words (runs of non-blank half-width characters), single blanks and single
// wide characters: the units the footer breaks between.
QStringList footerUnits(const QString& footer)
{
    QStringList units;
    QString word;
    const auto flushWord = [&] {
        if (!word.isEmpty())
            units << word;
        word.clear();
    };
    for (int i = 0; i < footer.size(); ++i) {
        QString ch = footer.at(i);
        if (footer.at(i).isHighSurrogate() && i + 1 < footer.size())
            ch += footer.at(++i);
        if (ch == QLatin1String(" ")) {
            flushWord();
            units << ch;
        } else if (columns(ch) > 1) {
            flushWord();
            units << ch;
        } else {
            word += ch;
        }
    }
    flushWord();
    return units;
}

QByteArray frameOpening(const QString& shopName)
{
    return receiptLine(Welcome) + receiptLine(centredShopName(shopName));
}

QByteArray footerLines(const QString& footer)
{
    QByteArray out;
    for (const QString& line : wrapFooter(footer))
        out += receiptLine(line);
    return out;
}

} // namespace

ReceiptSettings ReceiptSettings::read()
{
    const os::IniFile ini = os::settings::file();
    const QString& s = os::settings::Section;
    ReceiptSettings settings;
    settings.port = ini.readString(s, QStringLiteral("打印端口"), QString());
    settings.shopName = ini.readString(s, QStringLiteral("店铺名称"), QString());
    settings.footer = ini.readString(s, QStringLiteral("小票尾"), QString());
    settings.print = ini.readBool(s, QStringLiteral("打印小票"), false);
    return settings;
}

QByteArray receiptLine(const QByteArray& bytes)
{
    return bytes + QByteArray("\r\n");
}

QByteArray receiptLine(const QString& text)
{
    return receiptLine(os::toGbk(text));
}

QString centredShopName(const QString& name)
{
    const int length = columns(name);
    if (length >= ReceiptWidth)
        return name;
    return QString((ReceiptWidth - length) / 2, QLatin1Char(' ')) + name;
}

QStringList wrapFooter(const QString& footer)
{
    QStringList lines;
    QString line;
    int used = 0;
    const auto breakLine = [&] {
        lines << line;
        line.clear();
        used = 0;
    };
    for (const QString& unit : footerUnits(footer)) {
        const int width = columns(unit);
        if (used + width <= FooterWidth) {
            line += unit;
            used += width;
            continue;
        }
        if (unit == QLatin1String(" ")) {
            breakLine(); // the blank that would overflow is where the line ends
            continue;
        }
        if (used > 0)
            breakLine();
        if (width <= FooterWidth) {
            line = unit;
            used = width;
            continue;
        }
        // A word wider than a line is broken inside it (half-width characters only).
        for (const QChar c : unit) {
            if (used == FooterWidth)
                breakLine();
            line += c;
            ++used;
        }
    }
    if (!line.isEmpty())
        lines << line;
    return lines;
}

QByteArray receiptBytes(const ReceiptContent& content)
{
    QByteArray out = frameOpening(content.shopName);
    out += receiptLine(content.title);
    for (const QString& line : content.body)
        out += receiptLine(line);
    out += receiptLine(Tildes);
    out += receiptLine(content.printedAt.toString(QStringLiteral("yyyy-MM-dd   HH:mm:ss")));
    out += receiptLine(QStringLiteral("经手人： ") + content.operatorCode);
    out += receiptLine(Tildes);
    out += footerLines(content.footer);
    out += receiptLine(FeedBytes);
    out += receiptLine(LineFeed);
    return out;
}

QByteArray testPageBytes(const QString& shopName, const QString& footer)
{
    QByteArray out = frameOpening(shopName);
    out += receiptLine(QStringLiteral("~~~~~~~POS打印机测试通过~~~~~~~"));
    out += footerLines(footer);
    out += receiptLine(QStringLiteral("~~~~~~~~~~~ 谢谢惠顾 ~~~~~~~~~~~"));
    out += receiptLine(DrawerKick);
    out += receiptLine(FeedBytes);
    out += receiptLine(LineFeed);
    return out;
}

void sendToPrinter(const QString& port, const QByteArray& bytes)
{
    // A printer that is off line or missing must not interrupt the desk: the
    // save has already committed, so a failed write is simply dropped.
    (void)os::writeToPrinterPort(port, bytes);
}

} // namespace points
