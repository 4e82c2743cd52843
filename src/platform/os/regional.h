#pragma once

#include <QDate>
#include <QString>
#include <QTime>

namespace os
{

// The workstation's regional forms, fixed for this system: dates are stored
// as this text, so they compare correctly with date literals.
inline const QString ShortDateFormat = QStringLiteral("yyyy-MM-dd");
inline const QString LongTimeFormat = QStringLiteral("HH:mm:ss");

QString shortDate(const QDate& date);
QString longTime(const QTime& time);
// Month and day without leading zeros, as the birthday reminder matches them ("3-7").
QString monthDay(const QDate& date);
// Long date for the status-bar clock.
QString longDate(const QDate& date);

// Reads short date text ("2024-5-1" too); raises std::runtime_error with the
// conversion's message when it is not a valid date.
QDate parseShortDate(const QString& text);

// Up to 15 significant digits, no trailing zeros or point ("12.5", "3", "33.33").
QString numberText(double value);

} // namespace os
