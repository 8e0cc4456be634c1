#pragma once

#include <optional>
#include <string>

namespace zephro::platform::ui {

// What a screen shows in a navigation bar while it is on top, and the title
// of the back button that screens pushed above it show.
struct NavigationItem {
  std::string title;
  std::optional<std::string> backButtonTitle;
};

}  // namespace zephro::platform::ui
