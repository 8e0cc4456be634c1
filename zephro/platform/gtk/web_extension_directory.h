#pragma once

#include <filesystem>
#include <string>

namespace zephro::platform::gtk {

// The directory holding the kit's web-process extension: `chosen` when the
// host chose one, else the build tree's copy when it exists (programs run
// from the build), else the installed location.
std::string webExtensionDirectory(const std::filesystem::path& chosen = {});

}  // namespace zephro::platform::gtk
