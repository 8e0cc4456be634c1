// Every program that links the platform starts with the headless backend as
// its default, so a host's tests can make views and web views without first
// installing anything; a real backend's install() takes precedence. The
// linker keeps this file through the anchor below (see zephro/CMakeLists.txt).
#include "zephro/platform/headless/install.h"

extern "C" {
extern const int zephro_headless_default_backend;
const int zephro_headless_default_backend = [] {
  zephro::platform::headless::install();
  return 1;
}();
}
