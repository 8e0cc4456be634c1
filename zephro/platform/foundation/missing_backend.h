// What the platform layer does when a program asks for a main loop, a web
// engine or a capture device before any backend was installed: nothing can
// stand in for it, so it says which part is missing and stops.
#pragma once

namespace zephro::platform::foundation {

// Writes "zephro: no <what>; install a backend first" to standard error, then aborts.
[[noreturn]] void missingBackend(const char* what);

}  // namespace zephro::platform::foundation
