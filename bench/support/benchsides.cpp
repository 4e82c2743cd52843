#include "support/benchsides.h"

#include "app/dm1frm.h"
#include "platform/db/dberror.h"
#include "platform/os/appenv.h"
#include "platform/ui/dialogs.h"
#include "support/benchdb.h"

#include <cstdio>
#include <sqlite3.h>

namespace bench
{
namespace
{

sqlite3* g_raw = nullptr;

// A failed transaction would show a box; here it only goes to the log.
class LogDialogs : public ui::DialogService
{
public:
    ui::Answer message(QWidget*, const QString& title, const QString& text, ui::Icon,
                       ui::Buttons) override
    {
        std::fprintf(stderr, "[%s] %s\n", qPrintable(title), qPrintable(text));
        return ui::Answer::Ok;
    }
    bool fileDialog(QWidget*, ui::FileDialogRequest&) override { return false; }
};

} // namespace

struct Sides::Private {
    LogDialogs dialogs;
    TDM1 dm;
};

Sides::Sides() : d(std::make_unique<Private>())
{
    ui::setDialogService(&d->dialogs);
    os::setAppDir(benchDatabaseDir());
    d->dm.openDatabase();
    const QByteArray path = TDM1::databasePath().toUtf8();
    const QByteArray key = TDM1::DatabasePassword.toUtf8();
    rawCheck(sqlite3_open_v2(path.constData(), &g_raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                             nullptr));
    rawCheck(sqlite3_key(g_raw, key.constData(), key.size()));
    sqlite3_busy_timeout(g_raw, db::Connection::BusyTimeoutMs);
}

Sides::~Sides()
{
    sqlite3_close(g_raw);
    g_raw = nullptr;
    ui::setDialogService(nullptr);
}

TDM1& Sides::dataModule()
{
    return d->dm;
}

sqlite3* raw()
{
    return g_raw;
}

void rawCheck(int rc)
{
    if (rc != SQLITE_OK && rc != SQLITE_ROW && rc != SQLITE_DONE)
        throw db::DbError(QString::fromUtf8(sqlite3_errmsg(g_raw)));
}

sqlite3_stmt* rawPrepare(const QString& sql)
{
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    rawCheck(sqlite3_prepare_v2(g_raw, text.constData(), text.size(), &stmt, nullptr));
    return stmt;
}

void rawExec(const QString& sql)
{
    sqlite3_stmt* stmt = rawPrepare(sql);
    const int rc = sqlite3_step(stmt);
    sqlite3_finalize(stmt);
    rawCheck(rc);
}

} // namespace bench
