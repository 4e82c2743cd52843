// Writes the delivered empty database: the tables, the administrator row,
// encrypted with the program's database key.
#include "app/dm1frm.h"
#include "app/schema.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: makedb <path/to/database.mdb>\n");
        return 2;
    }
    try {
        app::writeEmptyDatabase(QString::fromLocal8Bit(argv[1]), TDM1::DatabasePassword);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "makedb: %s\n", e.what());
        return 1;
    }
    return 0;
}
