#pragma once

#include <string>

namespace zephro::platform::gtk {

// The directory holding the kit's web-process extension: $ZEPHRO_WEB_EXTENSION_DIR
// when set, else the build tree's copy when it exists (programs run from the
// build), else the installed location.
std::string webExtensionDirectory();

}  // namespace zephro::platform::gtk
