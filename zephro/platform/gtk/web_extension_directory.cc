#include "zephro/platform/gtk/web_extension_directory.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace zephro::platform::gtk {

std::string webExtensionDirectory() {
  if (const char* overridden = std::getenv("ZEPHRO_WEB_EXTENSION_DIR"); overridden != nullptr && *overridden != '\0') {
    return overridden;
  }
  std::error_code error;
  if (std::filesystem::is_directory(ZEPHRO_BUILD_WEB_EXTENSION_DIR, error)) return ZEPHRO_BUILD_WEB_EXTENSION_DIR;
  return ZEPHRO_INSTALL_WEB_EXTENSION_DIR;
}

}  // namespace zephro::platform::gtk
