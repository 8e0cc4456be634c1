#include "zephro/testing/temporary_user_defaults.h"

#include "zephro/platform/foundation/user_defaults.h"

namespace zephro::testing {

using platform::foundation::UserDefaults;

TemporaryStandardUserDefaults::TemporaryStandardUserDefaults() {
  UserDefaults::setStandardStorePath(file());
  UserDefaults::resetStandardUserDefaults();
}

TemporaryStandardUserDefaults::~TemporaryStandardUserDefaults() {
  UserDefaults::setStandardStorePath({});
  UserDefaults::resetStandardUserDefaults();
}

}  // namespace zephro::testing
