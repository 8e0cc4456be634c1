// A file of string keys and byte values in SQLite, written durably: each
// change is committed and synced before the call returns.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace zephro::platform::foundation {

class KeyValueFile {
 public:
  // Opens `file`, creating it and its folder when missing. A file that is not
  // a readable store is renamed "<file>.corrupt-<time>" and a new store begun;
  // when no file can be opened at all the store lives in memory only.
  explicit KeyValueFile(const std::filesystem::path& file);
  ~KeyValueFile();
  KeyValueFile(const KeyValueFile&) = delete;
  KeyValueFile& operator=(const KeyValueFile&) = delete;

  std::vector<std::pair<std::string, std::string>> readAll();
  bool put(std::string_view key, std::string_view value);
  bool erase(std::string_view key);
  bool clear();

 private:
  enum class OpenResult { opened, damaged, unavailable };
  OpenResult open(const std::filesystem::path& file);
  void close();
  bool execute(const char* sql);
  bool run(sqlite3_stmt* statement);

  sqlite3* db_ = nullptr;
  sqlite3_stmt* put_ = nullptr;
  sqlite3_stmt* erase_ = nullptr;
};

}  // namespace zephro::platform::foundation
