#include "zephro/platform/ui/screen.h"

namespace zephro::platform::ui {

Screen& Screen::main() {
  static Screen screen;
  return screen;
}

// A scale of zero or less would make every "one pixel" computation divide by
// nothing; such values are ignored.
void Screen::setScale(double scale) {
  if (scale > 0) scale_ = scale;
}

}  // namespace zephro::platform::ui
