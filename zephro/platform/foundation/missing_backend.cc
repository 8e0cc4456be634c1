#include "zephro/platform/foundation/missing_backend.h"

#include <cstdio>
#include <cstdlib>

namespace zephro::platform::foundation {

void missingBackend(const char* what) {
  std::fprintf(stderr, "zephro: no %s; install a backend first\n", what);
  std::abort();
}

}  // namespace zephro::platform::foundation
