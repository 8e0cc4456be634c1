// Makes the headless backend the platform's default: a headless main loop,
// headless web engines and a capture provider without devices serve wherever
// no other backend installed its own (or a test reset it). Installs nothing
// over what is already installed, so calling it again, or after another
// backend's install, changes nothing a program sees.
#pragma once

namespace zephro::platform::headless {

void install();

}  // namespace zephro::platform::headless
