#include "zephro/platform/foundation/key_value_file.h"

#include <sqlite3.h>

#include <cstdio>

#include "zephro/platform/foundation/store_format.h"
#include "zephro/platform/foundation/store_opening.h"

namespace zephro::platform::foundation {

namespace {

constexpr std::chrono::milliseconds kRetryInterval(250);
constexpr std::chrono::milliseconds kRetryLockWait(50);

// SQLite refuses strings and blobs above a billion bytes by default.
bool fitsInRow(std::string_view bytes) { return bytes.size() <= 1'000'000'000; }

void report(const std::filesystem::path& file, StoreState state, const std::string& reason) {
  switch (state) {
    case StoreState::writable:
      std::fprintf(stderr, "user defaults: %s is writable again\n", file.c_str());
      break;
    case StoreState::readOnly:
      std::fprintf(stderr, "user defaults: cannot write %s (%s); reading its values only\n", file.c_str(),
                   reason.c_str());
      break;
    case StoreState::unavailable:
      std::fprintf(stderr, "user defaults: cannot open %s (%s); no value is read or stored\n", file.c_str(),
                   reason.c_str());
      break;
  }
}

}  // namespace

// A store that opens writable, as expected, says nothing.
KeyValueFile::KeyValueFile(const std::filesystem::path& file, std::chrono::milliseconds lockWait)
    : file_(file), state_(StoreState::writable), lastAttempt_(std::chrono::steady_clock::now()) {
  adopt(openStore(file, lockWait));
}

KeyValueFile::~KeyValueFile() = default;

bool KeyValueFile::reopenIfDue() {
  const auto now = std::chrono::steady_clock::now();
  if (state_ == StoreState::writable || now - lastAttempt_ < kRetryInterval) return false;
  lastAttempt_ = now;
  // Our own reading connection must not stand in the way of writing.
  put_.reset();
  erase_.reset();
  db_.reset();
  adopt(openStore(file_, kRetryLockWait));
  return true;
}

void KeyValueFile::adopt(OpenedStore opened) {
  db_ = std::move(opened.db);
  formatVersion_ = opened.formatVersion;
  if (opened.state == StoreState::writable) {
    put_ = prepare(db_.get(), "INSERT OR REPLACE INTO defaults(key, value) VALUES(?1, ?2)");
    erase_ = prepare(db_.get(), "DELETE FROM defaults WHERE key = ?1");
    if (!put_ || !erase_) {
      opened.state = StoreState::readOnly;
      opened.reason = sqlite3_errmsg(db_.get());
    }
  }
  const bool changed = opened.state != state_ || (opened.state != StoreState::writable && opened.reason != lastError_);
  state_ = opened.state;
  if (state_ != StoreState::writable) lastError_ = std::move(opened.reason);
  if (changed) report(file_, state_, lastError_);
}

std::vector<std::pair<std::string, std::string>> KeyValueFile::readAll() {
  std::vector<std::pair<std::string, std::string>> rows;
  if (!db_) return rows;
  Statement select = prepare(db_.get(), "SELECT key, value FROM defaults");
  while (select && sqlite3_step(select.get()) == SQLITE_ROW) {
    rows.emplace_back(columnBytes(select.get(), 0),
                      currentFormatValue(std::string(columnBytes(select.get(), 1)), formatVersion_));
  }
  return rows;
}

bool KeyValueFile::put(std::string_view key, std::string_view value) {
  if (!put_) return false;
  if (!fitsInRow(key) || !fitsInRow(value)) {
    lastError_ = "value too large";
    return false;
  }
  sqlite3_bind_text(put_.get(), 1, key.data(), static_cast<int>(key.size()), SQLITE_STATIC);
  sqlite3_bind_blob(put_.get(), 2, value.data(), static_cast<int>(value.size()), SQLITE_STATIC);
  return run(put_.get());
}

bool KeyValueFile::erase(std::string_view key) {
  if (!erase_) return false;
  if (!fitsInRow(key)) {
    lastError_ = "key too large";
    return false;
  }
  sqlite3_bind_text(erase_.get(), 1, key.data(), static_cast<int>(key.size()), SQLITE_STATIC);
  return run(erase_.get());
}

bool KeyValueFile::clear() {
  if (state_ != StoreState::writable) return false;
  return execute(db_.get(), "DELETE FROM defaults") == SQLITE_OK || failed();
}

// Each call binds every parameter again, so bindings are not cleared.
bool KeyValueFile::run(sqlite3_stmt* statement) {
  const bool done = sqlite3_step(statement) == SQLITE_DONE || failed();
  sqlite3_reset(statement);
  return done;
}

bool KeyValueFile::failed() {
  lastError_ = sqlite3_errmsg(db_.get());
  return false;
}

}  // namespace zephro::platform::foundation
