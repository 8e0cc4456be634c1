// The standard user-defaults store pointed at a fresh file for one test.
#pragma once

#include <filesystem>

#include "zephro/testing/scratch_directory.h"

namespace zephro::testing {

// While alive, UserDefaults::standard() is a fresh, empty store in a scratch
// directory; afterwards the standard store is the default one again.
class TemporaryStandardUserDefaults {
 public:
  TemporaryStandardUserDefaults();
  ~TemporaryStandardUserDefaults();
  TemporaryStandardUserDefaults(const TemporaryStandardUserDefaults&) = delete;
  TemporaryStandardUserDefaults& operator=(const TemporaryStandardUserDefaults&) = delete;

  std::filesystem::path file() const { return directory_ / "user-defaults.sqlite3"; }

 private:
  ScratchDirectory directory_;
};

}  // namespace zephro::testing
