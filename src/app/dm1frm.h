#pragma once

#include "platform/db/connection.h"
#include "platform/db/query.h"

#include <QObject>
#include <functional>

// The data module: the one connection and the query objects every window shares.
class TDM1 : public QObject
{
    Q_OBJECT
public:
    TDM1();
    ~TDM1() override;
    static TDM1& instance();

    // Opens database/database.mdb in the program's folder with the database key.
    void openDatabase();
    static QString databasePath();
    static const QString DatabasePassword;

    db::Connection ADOConnection1;
    db::Query ADOall;
    db::Query ADO123;
    db::Query ADOQuery3;
    db::Query ADOQuery4;
    db::Query ADOQuery5;
    db::Query ADOQuery7;
    db::Query ADOQuery8;
    db::Query ADOQuery9;
    db::Query ADOQuery10;
    db::Query ADOQuery12;
    db::Query ADOQuery13;
};

namespace app
{

// Runs body as one transaction: commits when it completes; on any error rolls
// back, shows the error's own text in a plain box and returns false. The caller
// shows its success box after this returns true, so success is never reported
// for a commit that failed.
bool transact(const std::function<void()>& body);

// Close, set text, open: the pattern every window follows with a query object.
db::Query& select(db::Query& query, const QString& sql);
int execute(db::Query& query, const QString& sql);

} // namespace app
