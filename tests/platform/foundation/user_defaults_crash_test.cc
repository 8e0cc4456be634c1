// Kills a writing process at random moments and checks that every write it
// reported finished survives and the store still opens.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <thread>

#include "zephro/testing/scratch_directory.h"
#include "zephro/platform/foundation/user_defaults.h"

namespace zephro::platform::foundation {
namespace {

// ZEPHRO_CRASH_KILLS raises the number of kills for a longer run.
int killCount() {
  const char* fromEnvironment = std::getenv("ZEPHRO_CRASH_KILLS");
  return fromEnvironment ? std::max(1, std::atoi(fromEnvironment)) : 60;
}

std::string keyOf(std::int64_t n) { return "entry." + std::to_string(n); }

// Runs in the child: writes entries from `first` on, reporting each one done.
[[noreturn]] void writeForever(const std::filesystem::path& file, std::int64_t first, int reportFd) {
  UserDefaults defaults(file);
  for (std::int64_t n = first;; ++n) {
    bool stored = defaults.set(keyOf(n), PlainMap{{"n", n}, {"pad", std::string(n % 300, 'p')}}) &&
                  defaults.set("latest", n);
    if (!stored || write(reportFd, &n, sizeof n) != sizeof n) _exit(1);
  }
}

// Reads what the killed child reported; the pipe ends when the child is gone.
std::int64_t lastReported(int fd, std::int64_t previous) {
  std::int64_t n = 0;
  while (read(fd, &n, sizeof n) == sizeof n) previous = n;
  return previous;
}

TEST(UserDefaultsCrash, EveryReportedWriteSurvivesSigkill) {
  testing::ScratchDirectory scratch;
  const auto file = scratch / "store.sqlite3";
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> delayUs(0, 25000);
  std::int64_t reported = -1;
  for (int kill = 0; kill < killCount(); ++kill) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(fds[0]);
      writeForever(file, reported + 1, fds[1]);
    }
    close(fds[1]);
    // Every other round lets the writer finish one write first, so that a
    // slow machine still sees progress; the others may kill it while opening.
    std::int64_t first = 0;
    if (kill % 2 == 1 && read(fds[0], &first, sizeof first) == sizeof first) reported = first;
    std::this_thread::sleep_for(std::chrono::microseconds(delayUs(random)));
    ::kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the writer failed on its own";
    reported = lastReported(fds[0], reported);
    close(fds[0]);

    UserDefaults reopened(file);
    for (std::int64_t n = 0; n <= reported; ++n) {
      const std::any value = reopened.value(keyOf(n));
      const auto* entry = std::any_cast<PlainMap>(&value);
      ASSERT_TRUE(entry && std::any_cast<std::int64_t>(entry->at("n")) == n) << "lost entry " << n;
    }
    const std::any latest = reopened.value("latest");
    if (reported >= 0) {
      ASSERT_NE(std::any_cast<std::int64_t>(&latest), nullptr);
      EXPECT_GE(std::any_cast<std::int64_t>(latest), reported);
    }
  }
  EXPECT_GT(reported, 0);
}

}  // namespace
}  // namespace zephro::platform::foundation
