// Set-up shared by the fuzz targets: a private scratch area for the files the
// kit reads and writes, so that fuzzing never touches the user's own.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

#include "zephro/platform/foundation/user_defaults.h"
#include "zephro/platform/headless/install.h"

namespace zephro::fuzz {

// The headless backend, and a fresh directory under /tmp used as $TMPDIR
// with the standard user defaults store inside it.
inline std::filesystem::path useScratchArea() {
  platform::headless::install();
  std::string pattern = "/tmp/zephro-fuzz-XXXXXX";
  if (!mkdtemp(pattern.data())) std::abort();
  setenv("TMPDIR", pattern.c_str(), 1);
  platform::foundation::UserDefaults::setStandardStorePath(std::filesystem::path(pattern) / "defaults.sqlite3");
  return pattern;
}

}  // namespace zephro::fuzz
