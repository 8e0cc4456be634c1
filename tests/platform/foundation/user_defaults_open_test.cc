// How a store opens a file that it cannot simply write: read-only, not a
// file, locked by another connection, or opened by several processes at once.
// A read-only file or folder is met in a child process that gives up root's
// right to write anywhere.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "zephro/testing/scratch_directory.h"
#include "zephro/platform/foundation/user_defaults.h"

namespace zephro::platform::foundation {
namespace {

using namespace std::chrono_literals;

// Long enough for a store that could not write to try its file again.
constexpr auto kPastRetryInterval = 300ms;

// Runs `body` in a child process; returns what it reports ("" when all was
// well), or "crashed".
std::string inChildProcess(const std::function<std::string()>& body) {
  int fds[2];
  if (pipe(fds) != 0) return "no pipe";
  pid_t child = fork();
  if (child == 0) {
    close(fds[0]);
    const std::string report = body();
    _exit(write(fds[1], report.data(), report.size()) == static_cast<ssize_t>(report.size()) ? 0 : 1);
  }
  close(fds[1]);
  std::string report;
  char buffer[256];
  for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;) report.append(buffer, static_cast<std::size_t>(n));
  close(fds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? report : "crashed";
}

// Root may write into any folder: the child gives that up to meet one that
// refuses it.
bool dropPrivileges() { return geteuid() != 0 || (setgid(65534) == 0 && setuid(65534) == 0); }

std::string key(int n) { return "k" + std::to_string(n); }

class UserDefaultsOpenTest : public ::testing::Test {
 protected:
  std::filesystem::path file() const { return scratch_ / "store" / "store.sqlite3"; }

  void storeHundredValues() const {
    UserDefaults defaults(file());
    for (int n = 0; n < 100; ++n) ASSERT_TRUE(defaults.set(key(n), std::int64_t{n}));
  }

  testing::ScratchDirectory scratch_;
};

struct ReadOnlyCase {
  const char* name;
  std::filesystem::perms folder;
  std::filesystem::perms file;
};

TEST_F(UserDefaultsOpenTest, UnwritableFileIsReadWithEveryValueAndRefusesWrites) {
  using enum std::filesystem::perms;
  const ReadOnlyCase cases[] = {{"read-only folder", owner_read | owner_exec | others_read | others_exec, all},
                                {"read-only file", all, owner_read | others_read}};
  storeHundredValues();
  std::filesystem::permissions(scratch_.path(), all);
  for (const auto& c : cases) {
    std::filesystem::permissions(file().parent_path(), c.folder);
    std::filesystem::permissions(file(), c.file);
    const std::string report = inChildProcess([&]() -> std::string {
      if (!dropPrivileges()) return "cannot drop privileges";
      UserDefaults defaults(file());
      if (defaults.state() != StoreState::readOnly || defaults.lastError().empty()) return "not read-only";
      for (int n = 0; n < 100; ++n) {
        if (!defaults.value(key(n)).has_value()) return "lost " + key(n);
      }
      if (defaults.set("new", true) || defaults.remove(key(0)) || defaults.removeAll()) return "a write succeeded";
      std::this_thread::sleep_for(kPastRetryInterval);
      return defaults.set("new", true) ? "a retried write succeeded" : "";
    });
    if (report == "cannot drop privileges") GTEST_SKIP() << report;
    EXPECT_EQ(report, "") << c.name;
  }
}

// Another connection holding the store in exclusive locking mode until
// released; SQLite locks it against this process's other connections as
// against another process.
class LockHolder {
 public:
  explicit LockHolder(const std::filesystem::path& file) {
    sqlite3_open(file.c_str(), &db_);
    EXPECT_EQ(sqlite3_exec(db_, "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
  }
  LockHolder(const LockHolder&) = delete;
  LockHolder& operator=(const LockHolder&) = delete;
  ~LockHolder() { release(); }

  void release() {
    sqlite3_close(db_);
    db_ = nullptr;
  }

 private:
  sqlite3* db_ = nullptr;
};

TEST_F(UserDefaultsOpenTest, LockHeldBrieflyIsWaitedFor) {
  storeHundredValues();
  LockHolder holder(file());
  std::thread letGo([&] {
    std::this_thread::sleep_for(300ms);
    holder.release();
  });
  UserDefaults defaults(file());
  letGo.join();
  EXPECT_EQ(defaults.state(), StoreState::writable);
  EXPECT_TRUE(defaults.value(key(99)).has_value());
}

// A store that cannot be opened holds nothing, and is opened again by the
// first write once the cause is gone; the values on file are then read.
TEST_F(UserDefaultsOpenTest, UnavailableStoreHoldsNothingUntilAWriteFindsItWritable) {
  const struct {
    const char* cause;
    std::function<std::function<void()>()> block;  // gives what lifts it
  } cases[] = {
      {"Is a directory", [&] {
         std::filesystem::create_directories(file());
         return std::function<void()>([&] { std::filesystem::remove(file()); });
       }},
      {"locked", [&] {
         storeHundredValues();
         auto holder = std::make_shared<LockHolder>(file());
         return std::function<void()>([holder] { holder->release(); });
       }}};
  for (const auto& c : cases) {
    std::filesystem::remove_all(file().parent_path());
    const auto unblock = c.block();
    UserDefaults defaults(file(), 100ms);
    EXPECT_EQ(defaults.state(), StoreState::unavailable);
    EXPECT_NE(defaults.lastError().find(c.cause), std::string::npos) << defaults.lastError();
    EXPECT_FALSE(defaults.set("new", true));
    EXPECT_FALSE(defaults.value("new").has_value());

    unblock();
    std::this_thread::sleep_for(kPastRetryInterval);
    EXPECT_TRUE(defaults.set("new", true)) << c.cause;
    EXPECT_EQ(defaults.state(), StoreState::writable);
    EXPECT_TRUE(UserDefaults(file()).boolean("new"));
  }
  EXPECT_TRUE(UserDefaults(file()).value(key(99)).has_value()) << "the values on file are read once writable";
}

// Processes of one application started together all open its new store,
// though SQLite answers "busy" to a few of them without waiting.
TEST_F(UserDefaultsOpenTest, ProcessesOpeningANewStoreAtOnceAllWrite) {
  constexpr int kProcesses = 8;
  constexpr int kRounds = 50;
  for (int round = 0; round < kRounds; ++round) {
    const auto store = scratch_ / ("round" + std::to_string(round)) / "store.sqlite3";
    int start[2];
    ASSERT_EQ(pipe(start), 0);
    std::vector<pid_t> children;
    for (int i = 0; i < kProcesses; ++i) {
      pid_t child = fork();
      if (child == 0) {
        close(start[1]);
        char go;
        [[maybe_unused]] auto ignored = read(start[0], &go, 1);  // all begin when the pipe closes
        _exit(UserDefaults(store).set(key(i), true) ? 0 : 1);
      }
      children.push_back(child);
    }
    close(start[0]);
    close(start[1]);
    for (pid_t child : children) {
      int status = 0;
      waitpid(child, &status, 0);
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a process could not write, round " << round;
    }
    UserDefaults reopened(store);
    for (int i = 0; i < kProcesses; ++i) EXPECT_TRUE(reopened.boolean(key(i))) << "round " << round;
  }
}

}  // namespace
}  // namespace zephro::platform::foundation
