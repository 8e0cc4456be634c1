// Reading the kit's screens off a host's navigation stack.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "zephro/h5/h5_content_view_controller.h"
#include "zephro/platform/ui/navigation_controller.h"

namespace zephro::testing {

// The page screen on top, or the root screen's child page when the root is on top.
std::shared_ptr<H5ContentViewController> topPageOf(const platform::ui::NavigationController& navigation);

// The stack bottom first, as names: "host" for `host`, "root" for the root
// screen, page names for page screens, "other" for anything else.
std::vector<std::string> stackNamesOf(const platform::ui::NavigationController& navigation,
                                      const std::shared_ptr<platform::ui::ViewController>& host);

}  // namespace zephro::testing
