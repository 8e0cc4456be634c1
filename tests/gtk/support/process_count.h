#pragma once

#include <string_view>

namespace zephro::testing::gtk {

// How many live descendants of this process have a command name that starts
// with `namePrefix`. WebKit's web processes ("WebKitWebProcess") may run
// inside a sandbox launcher, so they are grandchildren rather than children.
int descendantProcessCount(std::string_view namePrefix);

}  // namespace zephro::testing::gtk
