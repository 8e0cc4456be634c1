// Many fire-and-forget scripts as one WebKit evaluation: each evaluation is a
// round trip to the web process, which costs far more than running a short
// script there.
#pragma once

#include <string>
#include <vector>

namespace zephro::platform::gtk {

// One text that runs `scripts` in order, each in its own try block, so one
// that throws does not stop the ones after it. Each script must parse on its
// own (queued scripts do). Each block is its own scope: a script's top-level
// `let`, `const` and `class` names stay inside it.
std::string joinedScript(const std::vector<std::string>& scripts);

}  // namespace zephro::platform::gtk
