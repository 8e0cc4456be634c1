#include "zephro/platform/gtk/web_extension_directory.h"

#include <system_error>

namespace zephro::platform::gtk {

std::string webExtensionDirectory(const std::filesystem::path& chosen) {
  if (!chosen.empty()) return chosen.string();
  std::error_code error;
  if (std::filesystem::is_directory(ZEPHRO_BUILD_WEB_EXTENSION_DIR, error)) return ZEPHRO_BUILD_WEB_EXTENSION_DIR;
  return ZEPHRO_INSTALL_WEB_EXTENSION_DIR;
}

}  // namespace zephro::platform::gtk
