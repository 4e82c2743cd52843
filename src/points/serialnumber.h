#pragma once

#include <QString>

namespace points
{

// The serial number after the highest one written: ten digits with leading
// zeros. An empty or blank highest value starts the sequence at 0000000001.
// A value that is not an integer, or the end of the 32-bit sequence, raises
// std::runtime_error.
QString serialAfter(const QString& highest);

// Reads the highest 编号 of the ledger through the shared scratch query.
QString nextSerialNumber();

} // namespace points
