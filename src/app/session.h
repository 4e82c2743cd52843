#pragma once

#include <QString>

namespace app
{

// Who is working: fixed by the login for the whole run.
struct Session {
    QString operatorCode;  // stamped into every 经手人 column and printed on receipts
    QString loginPassword; // exactly as typed at login; only the screen lock compares with it
};

Session& session();

} // namespace app
