#pragma once

#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

namespace points
{

// What one credit writes, as the window collected it.
struct CreditEntry {
    QString category;
    QString card;
    QString name;
    QString referrer;
    QString referrerName;
    QString items; // every item, each preceded by a blank
    QString points;
    QString reason;
    QString operatorCode;
    QVector<QPair<QString, QString>> lines; // item and amount text of each purchase line
};

struct RedemptionEntry {
    QString card;
    QString name;
    QString gift;
    QString cash;
    QString points;
    QString reason;
    QString operatorCode;
};

// The statements of a credit under a serial number, in the order they run
// (the referrer's raise only when there is a referrer).
QStringList creditStatements(const CreditEntry& entry, const QString& serial);
QStringList redemptionStatements(const RedemptionEntry& entry, const QString& serial);

// Runs them through the data module inside the caller's transaction, drawing
// the serial number right before the ledger insert so no other save can hold
// it. Returns the number written. The redemption first reads the stored
// balance again and raises "兑换积分大于现有积分，不能保存！" when it is short.
QString writeCredit(const CreditEntry& entry);
QString writeRedemption(const RedemptionEntry& entry);

extern const QString TooManyPointsText;

} // namespace points
