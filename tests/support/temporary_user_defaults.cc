#include "tests/support/temporary_user_defaults.h"

#include <cstdlib>

#include "zephro/platform/foundation/user_defaults.h"

namespace zephro::testing {

namespace {

constexpr const char* kStoreVariable = "ZEPHRO_USER_DEFAULTS_PATH";

}  // namespace

TemporaryStandardUserDefaults::TemporaryStandardUserDefaults() {
  if (const char* previous = std::getenv(kStoreVariable)) previousEnvironment_ = previous;
  setenv(kStoreVariable, file().c_str(), 1);
  platform::foundation::UserDefaults::resetStandardUserDefaults();
}

TemporaryStandardUserDefaults::~TemporaryStandardUserDefaults() {
  if (previousEnvironment_) {
    setenv(kStoreVariable, previousEnvironment_->c_str(), 1);
  } else {
    unsetenv(kStoreVariable);
  }
  platform::foundation::UserDefaults::resetStandardUserDefaults();
}

}  // namespace zephro::testing
