#include "zephro/platform/gtk/extension/frame_rules.h"

#include <glib.h>

namespace zephro::platform::gtk::extension {

bool inheritsOrigin(const std::string& address) {
  return address.empty() || g_ascii_strncasecmp(address.c_str(), "about:", 6) == 0 ||
         g_ascii_strncasecmp(address.c_str(), "blob:", 5) == 0;
}

bool losesBridge(const std::string& address, const std::vector<Ancestor>& ancestors, bool endsAtOtherOrigin) {
  if (!inheritsOrigin(address)) return false;
  for (const auto& ancestor : ancestors) {
    if (!inheritsOrigin(ancestor.address)) return !ancestor.hasBridge;
  }
  return endsAtOtherOrigin;
}

}  // namespace zephro::platform::gtk::extension
