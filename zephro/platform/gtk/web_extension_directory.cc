#include "zephro/platform/gtk/web_extension_directory.h"

#include "zephro/platform/foundation/installed_location.h"

namespace zephro::platform::gtk {

std::string webExtensionDirectory(const std::filesystem::path& chosen) {
  if (!chosen.empty()) return chosen.string();
  static const char inThisLibrary = 0;
  return (foundation::folderOfFileHolding(&inThisLibrary) / ZEPHRO_WEB_EXTENSION_FROM_LIBRARY).string();
}

}  // namespace zephro::platform::gtk
