// Opening a store file: waiting out other processes' locks, setting a damaged
// file aside, and reading only a file that cannot be written.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>

#include "zephro/platform/foundation/sqlite_support.h"
#include "zephro/platform/foundation/store_state.h"

namespace zephro::platform::foundation {

struct OpenedStore {
  Database db;  // empty when unavailable
  StoreState state = StoreState::unavailable;
  std::string reason;     // why it is not writable
  int formatVersion = 0;  // of the values in the file
};

// Opens `file` for writing, creating it and its folder when missing, waiting
// at most `lockWait` for locks that other processes hold. A file that is not
// a readable store is renamed "<file>.corrupt-<time>" and a new one begun.
// A file that cannot be written is opened for reading.
OpenedStore openStore(const std::filesystem::path& file, std::chrono::milliseconds lockWait);

}  // namespace zephro::platform::foundation
