#include "zephro/platform/foundation/store_format.h"

#include <sqlite3.h>

#include <utility>
#include <vector>

#include "zephro/platform/foundation/plain_value_codec.h"
#include "zephro/platform/foundation/sqlite_support.h"

namespace zephro::platform::foundation {

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>;

// The rows whose bytes differ in the current format, with their new bytes.
int collectChangedValues(sqlite3* db, int version, Rows& changed) {
  Statement select = prepare(db, "SELECT key, value FROM defaults");
  if (!select) return sqlite3_extended_errcode(db);
  int code = SQLITE_ROW;
  while ((code = sqlite3_step(select.get())) == SQLITE_ROW) {
    std::string bytes(columnBytes(select.get(), 1));
    std::string current = currentFormatValue(bytes, version);
    if (current != bytes) changed.emplace_back(columnBytes(select.get(), 0), std::move(current));
  }
  return code == SQLITE_DONE ? SQLITE_OK : code;
}

int rewriteValues(sqlite3* db, int version) {
  Rows changed;
  int code = collectChangedValues(db, version, changed);
  if (code != SQLITE_OK || changed.empty()) return code;
  Statement update = prepare(db, "UPDATE defaults SET value = ?2 WHERE key = ?1");
  if (!update) return sqlite3_extended_errcode(db);
  for (const auto& [key, value] : changed) {
    sqlite3_bind_text(update.get(), 1, key.data(), static_cast<int>(key.size()), SQLITE_STATIC);
    sqlite3_bind_blob(update.get(), 2, value.data(), static_cast<int>(value.size()), SQLITE_STATIC);
    code = sqlite3_step(update.get());
    sqlite3_reset(update.get());
    if (code != SQLITE_DONE) return code;
  }
  return SQLITE_OK;
}

int upgradeInTransaction(sqlite3* db) {
  // Read again under the write lock: another process may have upgraded it.
  int version = storeFormatVersion(db);
  if (version < 0) return sqlite3_extended_errcode(db);
  if (version >= kStoreFormatVersion) return SQLITE_OK;
  int code = rewriteValues(db, version);
  const std::string record = "PRAGMA user_version = " + std::to_string(kStoreFormatVersion);
  return code == SQLITE_OK ? execute(db, record.c_str()) : code;
}

}  // namespace

int storeFormatVersion(sqlite3* db) {
  Statement query = prepare(db, "PRAGMA user_version");
  if (!query || sqlite3_step(query.get()) != SQLITE_ROW) return -1;
  return sqlite3_column_int(query.get(), 0);
}

int upgradeStoreFormat(sqlite3* db) {
  int code = execute(db, "BEGIN IMMEDIATE");
  if (code == SQLITE_OK) code = upgradeInTransaction(db);
  if (code != SQLITE_OK) {
    execute(db, "ROLLBACK");
    return code;
  }
  return execute(db, "COMMIT");
}

std::string currentFormatValue(std::string bytes, int version) {
  if (version >= kStoreFormatVersion) return bytes;
  auto value = decodePlainValue(bytes, DateUnit::clockTicks);
  auto current = value ? encodePlainValue(*value) : std::nullopt;
  return current ? std::move(*current) : std::move(bytes);
}

}  // namespace zephro::platform::foundation
