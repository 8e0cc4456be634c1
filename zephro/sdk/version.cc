#include "zephro/sdk/version.h"

namespace zephro {

const char* sdkVersion() { return ZEPHRO_VERSION; }

}  // namespace zephro
