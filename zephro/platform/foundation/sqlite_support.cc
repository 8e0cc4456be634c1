#include "zephro/platform/foundation/sqlite_support.h"

#include <sqlite3.h>

namespace zephro::platform::foundation {

void CloseDatabase::operator()(sqlite3* db) const { sqlite3_close_v2(db); }

void FinalizeStatement::operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }

Statement prepare(sqlite3* db, const char* sql) {
  sqlite3_stmt* statement = nullptr;
  sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
  return Statement(statement);
}

int execute(sqlite3* db, const char* sql) {
  return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK ? SQLITE_OK : sqlite3_extended_errcode(db);
}

std::string_view columnBytes(sqlite3_stmt* statement, int column) {
  const void* bytes = sqlite3_column_blob(statement, column);
  int size = sqlite3_column_bytes(statement, column);
  return bytes ? std::string_view(static_cast<const char*>(bytes), static_cast<std::size_t>(size))
               : std::string_view();
}

}  // namespace zephro::platform::foundation
