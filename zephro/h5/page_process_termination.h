// Told to the host when the web process of a page screen ends: posted on the
// default notification center, on the main thread, with a
// PageProcessTermination as object.
#pragma once

#include <string>

namespace zephro {

inline constexpr char kPageProcessTerminatedNotification[] = "h5-page-process-terminated";

struct PageProcessTermination {
  // The page screen's page name (a bundle page or a web address).
  std::string pageName;
  // True when the screen loads its page again; false when the process ended
  // again soon after the last reload and the screen shows its failure view.
  bool reloading = false;
};

}  // namespace zephro
