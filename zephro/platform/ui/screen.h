#pragma once

#include "zephro/platform/ui/geometry.h"

namespace zephro::platform::ui {

// The display the windows are on. A backend sets the real values; without
// one the model assumes a phone-sized display at scale 2.
class Screen {
 public:
  static Screen& main();

  // Physical pixels per point.
  double scale() const { return scale_; }
  void setScale(double scale);
  Rect bounds() const { return bounds_; }
  void setBounds(Rect bounds) { bounds_ = bounds; }

 private:
  Screen() = default;

  double scale_ = 2.0;
  Rect bounds_ = Rect::make(0, 0, 390, 844);
};

}  // namespace zephro::platform::ui
