// The reference server's database for a measurement: the demo directory and a
// chosen number of calls today, written in one transaction.
#pragma once

#include <QString>

namespace ringlook::perf {

// Creates path (which must not exist) with the demo directory and callsToday
// calls of today: numbers from the directory, and every fifth one unknown.
void CreateBenchDatabase(const QString& path, int callsToday);

// A search term that finds more calls than a search reply may hold.
inline constexpr const char* kManyCallsTerm = "korenaar";

}  // namespace ringlook::perf
