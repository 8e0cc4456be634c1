#pragma once

namespace zephro::platform::capture {

// The quality a session captures at; the fixed sizes name their frame size.
enum class SessionPreset { high, medium, low, vga640x480, hd1280x720, hd1920x1080 };

}  // namespace zephro::platform::capture
