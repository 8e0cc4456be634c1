#include "zephro/platform/foundation/store_opening.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <system_error>
#include <thread>

#include "zephro/platform/foundation/percent_encoding.h"
#include "zephro/platform/foundation/store_format.h"

namespace zephro::platform::foundation {

namespace {

using std::chrono::milliseconds;

// A committed write survives a killed process with synchronous=NORMAL in WAL
// mode; only an operating-system crash may roll back the newest ones.
constexpr const char* kSetUp =
    "PRAGMA journal_mode=WAL;"
    "PRAGMA synchronous=NORMAL;"
    "CREATE TABLE IF NOT EXISTS defaults("
    "  key TEXT PRIMARY KEY NOT NULL, value BLOB NOT NULL) WITHOUT ROWID;";

bool isDamage(int code) {
  int primary = code & 0xFF;
  return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

bool isBusy(int code) {
  int primary = code & 0xFF;
  return primary == SQLITE_BUSY || primary == SQLITE_LOCKED || primary == SQLITE_PROTOCOL;
}

struct Attempt {
  Database db;
  int code = SQLITE_OK;
  std::string reason;
  int formatVersion = 0;
};

Attempt failed(const Database& db, int code) {
  std::string reason = sqlite3_errstr(code);
  int system = db ? sqlite3_system_errno(db.get()) : 0;
  if (system != 0) reason += std::string(": ") + std::strerror(system);
  return {nullptr, code, std::move(reason)};
}

void setAside(const std::filesystem::path& file) {
  auto stamp = std::chrono::system_clock::now().time_since_epoch() / milliseconds(1);
  std::string aside = file.string() + ".corrupt-" + std::to_string(stamp);
  std::error_code error;
  std::filesystem::rename(file, aside, error);
  std::fprintf(stderr, "user defaults: %s is damaged, moved to %s\n", file.c_str(), aside.c_str());
  // The journal files belong to the damaged database, not to the new one.
  for (const char* suffix : {"-wal", "-shm", "-journal"}) {
    std::filesystem::rename(file.string() + suffix, aside + suffix, error);
  }
}

int healthCheck(sqlite3* db) {
  Statement check = prepare(db, "PRAGMA quick_check");
  if (!check) return sqlite3_extended_errcode(db);
  int code = sqlite3_step(check.get());
  if (code != SQLITE_ROW) return code;
  return columnBytes(check.get(), 0) == "ok" ? SQLITE_OK : SQLITE_CORRUPT;
}

Attempt inCurrentFormat(Database db) {
  int version = storeFormatVersion(db.get());
  if (version > kStoreFormatVersion) {
    return {nullptr, SQLITE_READONLY, "written in a newer format (" + std::to_string(version) + ")"};
  }
  int code = version == kStoreFormatVersion ? SQLITE_OK : upgradeStoreFormat(db.get());
  if (code != SQLITE_OK) return failed(db, code);
  return {std::move(db), SQLITE_OK, {}, kStoreFormatVersion};
}

Attempt openWritable(const std::filesystem::path& file, milliseconds lockWait) {
  sqlite3* raw = nullptr;
  int code = sqlite3_open_v2(file.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                             nullptr);
  Database db(raw);
  if (code != SQLITE_OK) return failed(db, code);
  sqlite3_extended_result_codes(db.get(), 1);
  // SQLite opens a file for reading only when the system refuses writing.
  if (sqlite3_db_readonly(db.get(), "main") == 1) return failed(db, SQLITE_READONLY);
  sqlite3_busy_timeout(db.get(), static_cast<int>(lockWait.count()));
  code = execute(db.get(), kSetUp);
  if (code == SQLITE_OK) code = healthCheck(db.get());
  if (code != SQLITE_OK) return failed(db, code);
  return inCurrentFormat(std::move(db));
}

// SQLite waits for a lock only where waiting cannot deadlock; elsewhere (the
// switch to WAL among them) it answers "busy" at once. Those are retried here
// until the same deadline.
Attempt openWaitingForLocks(const std::filesystem::path& file, milliseconds lockWait) {
  const auto deadline = std::chrono::steady_clock::now() + lockWait;
  bool setAsideOnce = false;
  for (milliseconds pause(1);; pause = std::min(pause * 2, milliseconds(64))) {
    auto left = std::max(std::chrono::duration_cast<milliseconds>(deadline - std::chrono::steady_clock::now()),
                         milliseconds(0));
    Attempt attempt = openWritable(file, left);
    if (isDamage(attempt.code) && !setAsideOnce) {
      setAside(file);
      setAsideOnce = true;
      continue;
    }
    if (!isBusy(attempt.code) || left == milliseconds(0)) return attempt;
    std::this_thread::sleep_for(std::min(pause, left));
  }
}

// In a folder where SQLite cannot make its lock files, the file can still be
// read when taken as unchanging.
Attempt openReadOnly(const std::filesystem::path& file) {
  for (const char* mode : {"?mode=ro", "?immutable=1"}) {
    const std::string uri = "file:" + percentEncodePathSegment(file.string(), "/") + mode;
    sqlite3* raw = nullptr;
    int code = sqlite3_open_v2(uri.c_str(), &raw, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX,
                               nullptr);
    Database db(raw);
    int version = code == SQLITE_OK ? storeFormatVersion(db.get()) : -1;
    if (version >= 0) return {std::move(db), SQLITE_OK, {}, version};
  }
  return {nullptr, SQLITE_CANTOPEN, {}};
}

}  // namespace

OpenedStore openStore(const std::filesystem::path& file, milliseconds lockWait) {
  std::error_code ignored;
  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ignored);
  Attempt writing = openWaitingForLocks(file, lockWait);
  if (writing.code == SQLITE_OK) {
    return {std::move(writing.db), StoreState::writable, {}, writing.formatVersion};
  }
  if (isBusy(writing.code)) {
    return {nullptr, StoreState::unavailable,
            "locked by another process for more than " + std::to_string(lockWait.count()) + " ms"};
  }
  Attempt reading = openReadOnly(file);
  StoreState state = reading.db ? StoreState::readOnly : StoreState::unavailable;
  return {std::move(reading.db), state, std::move(writing.reason), reading.formatVersion};
}

}  // namespace zephro::platform::foundation
