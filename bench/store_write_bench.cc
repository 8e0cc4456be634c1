// 10,000 writes of small values (an int, a string, a short map, in turn)
// through the kit's store, against the same rows written by plain SQLite
// calls on a second file with the same journal settings: one prepared
// statement per write, each its own transaction.
#include <sqlite3.h>

#include <any>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_support.h"
#include "zephro/platform/foundation/plain_value_codec.h"
#include "zephro/platform/foundation/user_defaults.h"

namespace {

using namespace zephro;
using platform::foundation::UserDefaults;

constexpr int kWrites = 10000;

std::vector<std::any> smallValues() {
  std::vector<std::any> values;
  for (int i = 0; i < kWrites; ++i) {
    if (i % 3 == 0) values.emplace_back(std::int64_t{i});
    if (i % 3 == 1) values.emplace_back(std::string("value ") + std::to_string(i));
    if (i % 3 == 2) values.emplace_back(PlainMap{{"id", std::int64_t{i}}, {"on", true}, {"name", std::string("lamp")}});
  }
  return values;
}

// The baseline: SQLite with the store's settings and table, nothing else.
class PlainSqliteFile {
 public:
  explicit PlainSqliteFile(const std::filesystem::path& file) {
    sqlite3_open(file.c_str(), &db_);
    sqlite3_exec(db_,
                 "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;"
                 "CREATE TABLE defaults(key TEXT PRIMARY KEY NOT NULL, value BLOB NOT NULL) WITHOUT ROWID;",
                 nullptr, nullptr, nullptr);
    sqlite3_prepare_v2(db_, "INSERT OR REPLACE INTO defaults(key, value) VALUES(?1, ?2)", -1, &put_, nullptr);
  }
  ~PlainSqliteFile() {
    sqlite3_finalize(put_);
    sqlite3_close(db_);
  }

  bool put(const std::string& key, const std::string& value) {
    sqlite3_bind_text(put_, 1, key.data(), static_cast<int>(key.size()), SQLITE_STATIC);
    sqlite3_bind_blob(put_, 2, value.data(), static_cast<int>(value.size()), SQLITE_STATIC);
    bool done = sqlite3_step(put_) == SQLITE_DONE;
    sqlite3_reset(put_);
    return done;
  }

 private:
  sqlite3* db_ = nullptr;
  sqlite3_stmt* put_ = nullptr;
};

}  // namespace

int main() {
  std::string pattern = std::filesystem::temp_directory_path() / "zephro-store-bench-XXXXXX";
  if (!mkdtemp(pattern.data())) return 1;
  const std::filesystem::path scratch = pattern;
  const std::vector<std::any> values = smallValues();
  std::vector<std::string> keys, rows;
  for (int i = 0; i < kWrites; ++i) {
    keys.push_back("key." + std::to_string(i));
    rows.push_back(*platform::foundation::encodePlainValue(values[static_cast<std::size_t>(i)]));
  }
  UserDefaults store(scratch / "store.sqlite3");
  PlainSqliteFile plain(scratch / "plain.sqlite3");

  std::size_t oursNext = 0, plainNext = 0, failures = 0;
  auto ours = [&] {
    failures += !store.set(keys[oursNext], values[oursNext]);
    oursNext = (oursNext + 1) % kWrites;
  };
  auto baseline = [&] {
    failures += !plain.put(keys[plainNext], rows[plainNext]);
    plainNext = (plainNext + 1) % kWrites;
  };
  bench::Comparison result = bench::compare(ours, baseline, 9, kWrites);
  std::filesystem::remove_all(scratch);
  if (failures != 0) std::printf("%zu writes failed\n", failures);
  bench::report("store_write", result);
  bench::printRatio("store_write", result.ratio());
  return failures == 0 ? 0 : 1;
}
