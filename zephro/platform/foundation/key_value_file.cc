#include "zephro/platform/foundation/key_value_file.h"

#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <system_error>

namespace zephro::platform::foundation {

namespace {

constexpr int kBusyTimeoutMs = 5000;

constexpr const char* kSetUp =
    "PRAGMA journal_mode=WAL;"
    "PRAGMA synchronous=FULL;"
    "CREATE TABLE IF NOT EXISTS defaults("
    "  key TEXT PRIMARY KEY NOT NULL, value BLOB NOT NULL) WITHOUT ROWID;";

bool isDamage(int code) {
  int primary = code & 0xFF;
  return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

void setAside(const std::filesystem::path& file) {
  auto stamp = std::chrono::system_clock::now().time_since_epoch() / std::chrono::milliseconds(1);
  std::string aside = file.string() + ".corrupt-" + std::to_string(stamp);
  std::error_code error;
  std::filesystem::rename(file, aside, error);
  std::fprintf(stderr, "user defaults: %s is damaged, moved to %s\n", file.c_str(), aside.c_str());
  // The journal files belong to the damaged database, not to the new one.
  for (const char* suffix : {"-wal", "-shm", "-journal"}) {
    std::filesystem::rename(file.string() + suffix, aside + suffix, error);
  }
}

// SQLite refuses strings and blobs above a billion bytes by default.
bool fitsInRow(std::string_view bytes) { return bytes.size() <= 1'000'000'000; }

std::string_view columnBytes(sqlite3_stmt* statement, int column) {
  const void* bytes = sqlite3_column_blob(statement, column);
  int size = sqlite3_column_bytes(statement, column);
  return bytes ? std::string_view(static_cast<const char*>(bytes), static_cast<std::size_t>(size))
               : std::string_view();
}

}  // namespace

KeyValueFile::KeyValueFile(const std::filesystem::path& file) {
  std::error_code error;
  if (file.has_parent_path()) {
    std::filesystem::create_directories(file.parent_path(), error);
  }
  OpenResult result = open(file);
  if (result == OpenResult::damaged) {
    close();
    setAside(file);
    result = open(file);
  }
  if (result != OpenResult::opened) {
    std::fprintf(stderr, "user defaults: cannot open %s, keeping values in memory only\n",
                 file.c_str());
    close();
    open(":memory:");
  }
}

KeyValueFile::~KeyValueFile() { close(); }

KeyValueFile::OpenResult KeyValueFile::open(const std::filesystem::path& file) {
  int code = sqlite3_open_v2(file.c_str(), &db_,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
  if (code != SQLITE_OK) return isDamage(code) ? OpenResult::damaged : OpenResult::unavailable;
  sqlite3_extended_result_codes(db_, 1);
  sqlite3_busy_timeout(db_, kBusyTimeoutMs);
  if (!execute(kSetUp)) {
    return isDamage(sqlite3_extended_errcode(db_)) ? OpenResult::damaged : OpenResult::unavailable;
  }
  sqlite3_stmt* check = nullptr;
  bool healthy = sqlite3_prepare_v2(db_, "PRAGMA quick_check", -1, &check, nullptr) == SQLITE_OK &&
                 sqlite3_step(check) == SQLITE_ROW && columnBytes(check, 0) == "ok";
  sqlite3_finalize(check);
  if (!healthy) return OpenResult::damaged;
  bool prepared =
      sqlite3_prepare_v2(db_, "INSERT OR REPLACE INTO defaults(key, value) VALUES(?1, ?2)", -1,
                         &put_, nullptr) == SQLITE_OK &&
      sqlite3_prepare_v2(db_, "DELETE FROM defaults WHERE key = ?1", -1, &erase_, nullptr) == SQLITE_OK;
  return prepared ? OpenResult::opened : OpenResult::unavailable;
}

void KeyValueFile::close() {
  sqlite3_finalize(put_);
  sqlite3_finalize(erase_);
  sqlite3_close_v2(db_);
  put_ = erase_ = nullptr;
  db_ = nullptr;
}

std::vector<std::pair<std::string, std::string>> KeyValueFile::readAll() {
  std::vector<std::pair<std::string, std::string>> rows;
  sqlite3_stmt* select = nullptr;
  if (sqlite3_prepare_v2(db_, "SELECT key, value FROM defaults", -1, &select, nullptr) == SQLITE_OK) {
    while (sqlite3_step(select) == SQLITE_ROW) {
      rows.emplace_back(columnBytes(select, 0), columnBytes(select, 1));
    }
  }
  sqlite3_finalize(select);
  return rows;
}

bool KeyValueFile::put(std::string_view key, std::string_view value) {
  if (!fitsInRow(key) || !fitsInRow(value)) return false;
  sqlite3_bind_text(put_, 1, key.data(), static_cast<int>(key.size()), SQLITE_STATIC);
  sqlite3_bind_blob(put_, 2, value.data(), static_cast<int>(value.size()), SQLITE_STATIC);
  return run(put_);
}

bool KeyValueFile::erase(std::string_view key) {
  if (!fitsInRow(key)) return false;
  sqlite3_bind_text(erase_, 1, key.data(), static_cast<int>(key.size()), SQLITE_STATIC);
  return run(erase_);
}

bool KeyValueFile::clear() { return execute("DELETE FROM defaults"); }

bool KeyValueFile::execute(const char* sql) {
  return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool KeyValueFile::run(sqlite3_stmt* statement) {
  bool done = sqlite3_step(statement) == SQLITE_DONE;
  sqlite3_reset(statement);
  sqlite3_clear_bindings(statement);
  return done;
}

}  // namespace zephro::platform::foundation
