#pragma once

#include <QString>

class QLineEdit;

namespace points
{

// Reads a number typed by the operator (digits, one optional point, optional
// sign and exponent, surrounding blanks). Anything else raises
// std::runtime_error "'text' is not a valid floating point value", so a text
// that passes can also be written bare into a statement.
double toNumber(const QString& text);
bool isNumber(const QString& text);

// The key filter of the numeric boxes: typed characters with codes 32 to 254
// that are neither digits nor "." are discarded; control keys pass.
void acceptNumberKeysOnly(QLineEdit* box);

// Rounds half up to two decimals by the digits of the fraction as written with
// 15 significant digits, so a quotient shown as 9.995 (stored just below it)
// rounds down while 2.675 and 0.125 round up.
double roundPoints(double x);

// Points earned by an amount at a ratio: the quotient shown as number text,
// read back and rounded as above.
double pointsFor(double amount, double ratio);

} // namespace points
