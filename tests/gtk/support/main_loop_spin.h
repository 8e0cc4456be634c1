#pragma once

#include <chrono>
#include <functional>

namespace zephro::testing::gtk {

using namespace std::chrono_literals;

// Runs the default GLib main context until `done` holds; false when the
// timeout passed first. Everything WebKit reports arrives this way.
bool spinUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = 15s);

// Runs the default GLib main context for a while, e.g. to let events that
// must NOT happen have their chance.
void spinFor(std::chrono::milliseconds duration);

}  // namespace zephro::testing::gtk
