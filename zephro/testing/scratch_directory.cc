#include "zephro/testing/scratch_directory.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace zephro::testing {

ScratchDirectory::ScratchDirectory() {
  const char* tmpdir = std::getenv("TMPDIR");
  std::string pattern = std::string(tmpdir && *tmpdir ? tmpdir : "/tmp") + "/zephro-test-XXXXXX";
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a scratch directory");
  path_ = pattern;
}

ScratchDirectory::~ScratchDirectory() {
  std::error_code error;
  std::filesystem::remove_all(path_, error);
}

}  // namespace zephro::testing
