// A file of string keys and byte values in SQLite. Each change is committed
// before the call returns; a file that cannot be written is read only, and
// one that cannot be opened holds nothing, until a later write finds it
// writable.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "zephro/platform/foundation/sqlite_support.h"
#include "zephro/platform/foundation/store_state.h"

namespace zephro::platform::foundation {

struct OpenedStore;

class KeyValueFile {
 public:
  // Opens `file` (see openStore), waiting at most `lockWait` for other
  // processes' locks.
  KeyValueFile(const std::filesystem::path& file, std::chrono::milliseconds lockWait);
  ~KeyValueFile();
  KeyValueFile(const KeyValueFile&) = delete;
  KeyValueFile& operator=(const KeyValueFile&) = delete;

  StoreState state() const { return state_; }
  // Why the file is not writable, or why the last write failed; empty when
  // nothing has failed.
  const std::string& lastError() const { return lastError_; }
  // Opens again a file that is not writable, at most every quarter second and
  // waiting briefly for locks, so that a burst of writes does not stall on
  // it. True when it did: the values read may have changed.
  bool reopenIfDue();

  // Every row, values in the current format.
  std::vector<std::pair<std::string, std::string>> readAll();
  bool put(std::string_view key, std::string_view value);
  bool erase(std::string_view key);
  bool clear();

 private:
  void adopt(OpenedStore opened);
  bool run(sqlite3_stmt* statement);
  bool failed();

  std::filesystem::path file_;
  Database db_;
  Statement put_;
  Statement erase_;
  StoreState state_ = StoreState::unavailable;
  int formatVersion_ = 0;
  std::string lastError_;
  std::chrono::steady_clock::time_point lastAttempt_;
};

}  // namespace zephro::platform::foundation
