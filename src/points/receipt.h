#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

namespace points
{

// What a receipt needs from the settings file, read at the moment of saving.
struct ReceiptSettings {
    QString port;
    QString shopName;
    QString footer;
    bool print = false;
    static ReceiptSettings read();
};

// The receipt is 32 GBK bytes wide; the footer wraps one column narrower,
// as its editor in the shop settings window shows it.
constexpr int ReceiptWidth = 32;
constexpr int FooterWidth = 31;

// One receipt line: the GBK bytes and CR LF.
QByteArray receiptLine(const QByteArray& bytes);
QByteArray receiptLine(const QString& text);

// The shop name preceded by (32 - bytes) / 2 blanks; a name of 32 bytes or
// more unchanged.
QString centredShopName(const QString& name);

// Breaks the footer into lines of at most FooterWidth columns: after a blank
// where the next word would overflow, inside a word longer than a line, and
// never inside a Chinese character.
QStringList wrapFooter(const QString& footer);

struct ReceiptContent {
    QString shopName;
    QString footer;
    QString operatorCode;
    QDateTime printedAt;
    QString title;
    QStringList body;
};

// The whole receipt of a credit or redemption, as the bytes sent to the port.
QByteArray receiptBytes(const ReceiptContent& content);

// The test page of the shop settings window; the only output that kicks the drawer.
QByteArray testPageBytes(const QString& shopName, const QString& footer);

// Writes to the port named in the settings. Printing never stops the desk's
// work: every failure is dropped here, after the transaction has committed.
void sendToPrinter(const QString& port, const QByteArray& bytes);

} // namespace points
