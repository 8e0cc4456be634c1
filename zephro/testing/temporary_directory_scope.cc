#include "zephro/testing/temporary_directory_scope.h"

#include <cstdlib>

namespace zephro::testing {

TemporaryDirectoryScope::TemporaryDirectoryScope() {
  if (const char* previous = std::getenv("TMPDIR")) previous_ = previous;
  setenv("TMPDIR", directory_.path().c_str(), 1);
}

TemporaryDirectoryScope::~TemporaryDirectoryScope() {
  if (previous_) {
    setenv("TMPDIR", previous_->c_str(), 1);
  } else {
    unsetenv("TMPDIR");
  }
}

}  // namespace zephro::testing
