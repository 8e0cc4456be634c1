// The layout of the values in a store file, numbered in the file's
// user_version:
//   0  the first files: dates counted in the system clock's ticks;
//   1  dates in nanoseconds since 1970.
#pragma once

#include <string>

struct sqlite3;

namespace zephro::platform::foundation {

inline constexpr int kStoreFormatVersion = 1;

// The format of the open file; negative when it cannot be read.
int storeFormatVersion(sqlite3* db);
// Rewrites the values of a file of an older format in the current one and
// records the version, in one transaction: SQLITE_OK or the error code.
int upgradeStoreFormat(sqlite3* db);
// `bytes`, a value of a file of format `version`, in the current format;
// unchanged when it cannot be read (the store then skips it).
std::string currentFormatValue(std::string bytes, int version);

}  // namespace zephro::platform::foundation
