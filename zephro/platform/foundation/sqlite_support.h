// Owning handles of SQLite connections and statements, and reading results.
#pragma once

#include <memory>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace zephro::platform::foundation {

struct CloseDatabase {
  void operator()(sqlite3* db) const;
};
struct FinalizeStatement {
  void operator()(sqlite3_stmt* statement) const;
};

using Database = std::unique_ptr<sqlite3, CloseDatabase>;
using Statement = std::unique_ptr<sqlite3_stmt, FinalizeStatement>;

// The statement for `sql`; empty when it cannot be prepared.
Statement prepare(sqlite3* db, const char* sql);
// Runs `sql`: SQLITE_OK or the extended error code.
int execute(sqlite3* db, const char* sql);
// The text or blob in `column` of the current row.
std::string_view columnBytes(sqlite3_stmt* statement, int column);

}  // namespace zephro::platform::foundation
