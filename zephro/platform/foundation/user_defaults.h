// A persistent key-value store of plain values, kept in SQLite.
//
// Values keep their C++ kind: what is stored is read back as the same type
// (see zephro/platform/foundation/kinds.h): bool, std::int64_t, std::uint64_t, double,
// std::string, Number, Date, Data, Null, PlainList and PlainMap, nested at any
// depth. Narrower integers (int, short, std::int8_t, long long, ...) are read
// back as std::int64_t / std::uint64_t, float as double, `const char*` as
// std::string.
//
// A write returns true only once it is committed to the file (WAL,
// synchronous=NORMAL): a killed process loses no such write; only an
// operating-system crash may roll back the newest ones. A file that cannot be
// read as a store is moved aside and a new one started. A file that cannot be
// written (read-only file, folder or mount) is read, and writes fail; one that
// cannot be opened at all, or stays locked by another process, holds nothing
// and writes fail. Each such case prints one line; state() and lastError() tell
// the host, and later writes try the file again.
// Reads come from a cache loaded at open, so writes by other processes to the
// same file are seen only by a store opened later. All operations are
// thread-safe.
#pragma once

#include <any>
#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "zephro/platform/foundation/kinds.h"
#include "zephro/platform/foundation/store_state.h"

namespace zephro::platform::foundation {

class KeyValueFile;

class UserDefaults {
 public:
  // The application's store, opened on first use at standardStorePath().
  static UserDefaults& standard();
  // Where the standard store lives: the host's choice (setStandardStorePath,
  // or the backend's install options), else "user-defaults.sqlite3" in
  // $XDG_CONFIG_HOME/<app id>/ (~/.config/<app id>/).
  static std::filesystem::path standardStorePath();
  // The host's choice of file for the standard store; takes effect when the
  // standard store is next opened (before first use, or after a reset).
  static void setStandardStorePath(std::filesystem::path file);
  // Closes the standard store so that the next standard() opens it again
  // (tests). References obtained earlier stay valid but keep the old store.
  static void resetStandardUserDefaults();

  static constexpr std::chrono::milliseconds kDefaultLockWait{5000};

  // Opens (creating if needed) the store in `file`, waiting at most
  // `lockWait` for locks that other processes hold on it.
  explicit UserDefaults(const std::filesystem::path& file, std::chrono::milliseconds lockWait = kDefaultLockWait);
  ~UserDefaults();
  UserDefaults(const UserDefaults&) = delete;
  UserDefaults& operator=(const UserDefaults&) = delete;

  // The stored value; empty when there is none.
  std::any value(std::string_view key) const;
  // The stored string; absent when none is stored or the value is not a string.
  std::optional<std::string> string(std::string_view key) const;
  // A stored bool, or a stored number that is not zero; false otherwise.
  bool boolean(std::string_view key) const;
  // The stored byte data; absent when none is stored or the value is other.
  std::optional<Data> data(std::string_view key) const;

  // Stores `value` under `key`; an empty value removes the key. Returns false,
  // storing nothing, for a kind the store cannot hold (anywhere inside a
  // collection) or when the write fails.
  bool set(std::string_view key, const std::any& value);
  bool remove(std::string_view key);
  bool removeAll();

  const std::filesystem::path& path() const { return path_; }
  StoreState state() const;
  // Why the file is not writable, or why the last write failed; empty when
  // nothing has failed.
  std::string lastError() const;

 private:
  // With the mutex held: whether writes can reach the file, opening it again
  // when they could not (and reading its values again when it did).
  bool writableLocked();
  void loadLocked();

  std::filesystem::path path_;
  mutable std::mutex mutex_;
  std::unique_ptr<KeyValueFile> file_;
  std::map<std::string, std::any, std::less<>> cache_;
};

}  // namespace zephro::platform::foundation
