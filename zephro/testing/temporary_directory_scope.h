// A private $TMPDIR for one test, so that the kit's temporary directory
// (platform/foundation/application.h) holds only what this test put there.
#pragma once

#include <optional>
#include <string>

#include "zephro/testing/scratch_directory.h"

namespace zephro::testing {

// While alive, $TMPDIR names a fresh scratch directory; the previous value
// comes back afterwards. Not for tests that run threads reading the
// environment meanwhile.
class TemporaryDirectoryScope {
 public:
  TemporaryDirectoryScope();
  ~TemporaryDirectoryScope();
  TemporaryDirectoryScope(const TemporaryDirectoryScope&) = delete;
  TemporaryDirectoryScope& operator=(const TemporaryDirectoryScope&) = delete;

  const std::filesystem::path& path() const { return directory_.path(); }

 private:
  ScratchDirectory directory_;
  std::optional<std::string> previous_;
};

}  // namespace zephro::testing
