// The standard user-defaults store pointed at a fresh file for one test.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "tests/support/scratch_directory.h"

namespace zephro::testing {

// While alive, UserDefaults::standard() is a fresh, empty store in a scratch
// directory; the previous standard store comes back afterwards.
class TemporaryStandardUserDefaults {
 public:
  TemporaryStandardUserDefaults();
  ~TemporaryStandardUserDefaults();
  TemporaryStandardUserDefaults(const TemporaryStandardUserDefaults&) = delete;
  TemporaryStandardUserDefaults& operator=(const TemporaryStandardUserDefaults&) = delete;

  std::filesystem::path file() const { return directory_ / "user-defaults.sqlite3"; }

 private:
  ScratchDirectory directory_;
  std::optional<std::string> previousEnvironment_;
};

}  // namespace zephro::testing
