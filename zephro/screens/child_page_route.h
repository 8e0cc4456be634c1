// Which screen the root screen shows for a page name.
#pragma once

#include <memory>
#include <string>

#include "zephro/platform/ui/view_controller.h"

namespace zephro {

// "native/<name>": the tab bar for the name "tabbar" (only the second
// non-empty piece counts), the error screen for any other name or none.
// Any other non-empty name: the H5 page of that name. Empty: the error screen.
std::shared_ptr<platform::ui::ViewController> makeChildScreen(const std::string& pageName);

}  // namespace zephro
