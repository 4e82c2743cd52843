#pragma once

#include <QString>

// A large database for the benchmarks: 100,000 members, 1,000,000 ledger rows
// (流水记录) and 2,000,000 consumption rows (消费记录), written once with the
// delivered schema and cached under /tmp/huiyuan-bench (building it takes a
// while). Override the folder with the environment variable HUIYUAN_BENCH_DIR.
namespace bench
{

// Size of the generated data; the look-up benchmarks pick card numbers below
// memberCount and the serial numbers run from 1 to ledgerRows.
constexpr int MemberCount = 100000;
constexpr int LedgerRows = 1000000;
constexpr int ConsumptionRows = 2000000;

// Card number of member i (0 <= i < MemberCount): ten digits, zero padded.
QString cardNumber(int i);

// The program folder holding database/database.mdb, generated on first use
// and reused afterwards. Also usable as os::setAppDir() for TDM1::openDatabase().
QString benchDatabaseDir();

// Full path of the database file inside benchDatabaseDir() (generates it too).
QString benchDatabasePath();

} // namespace bench
