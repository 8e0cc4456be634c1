#pragma once

#include <filesystem>
#include <string>

namespace zephro::platform::gtk {

// The directory holding the kit's web-process extension: `chosen` when the
// host chose one, else its place beside this library (in an install as in
// the build tree, which is laid out the same way).
std::string webExtensionDirectory(const std::filesystem::path& chosen = {});

}  // namespace zephro::platform::gtk
