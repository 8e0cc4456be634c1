#pragma once

namespace zephro {

// The kit's own version, as installed (the CMake package version).
const char* sdkVersion();

}  // namespace zephro
