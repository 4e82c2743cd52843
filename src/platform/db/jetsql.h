#pragma once

#include <QString>

namespace db
{

// Rewrites the Jet dialect the windows write into SQL that SQLite accepts:
// #yyyy-mm-dd# date literals, [bracketed] names, the words true/false,
// and "delete T from T where ...". Quoted literals are copied untouched.
QString translateJet(const QString& jet);

} // namespace db
