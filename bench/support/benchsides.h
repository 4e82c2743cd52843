#pragma once

#include <QString>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;
class TDM1;

// The two sides every benchmark compares over the generated database: the
// data module opened as the program opens it, and a raw SQLCipher handle
// opened the same way, so both pay the same locking.
namespace bench
{

class Sides
{
public:
    Sides(); // also routes message boxes to the log
    ~Sides();
    TDM1& dataModule();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

sqlite3* raw();
// The raw side: prepare, step, read, finalize, as a caller of the C API would.
void rawCheck(int rc);
sqlite3_stmt* rawPrepare(const QString& sql);
void rawExec(const QString& sql);

} // namespace bench
