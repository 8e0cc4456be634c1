#include "zephro/platform/ui/color.h"

#include <algorithm>

namespace zephro::platform::ui {

namespace {
double fraction(double value) { return std::clamp(value, 0.0, 1.0); }
}  // namespace

Color::Color(double red, double green, double blue, double alpha)
    : red_(fraction(red)), green_(fraction(green)), blue_(fraction(blue)), alpha_(fraction(alpha)) {}

Color Color::rgb255(double red, double green, double blue, double alpha) {
  return Color(red / 255, green / 255, blue / 255, alpha);
}

Color Color::white() { return Color(1, 1, 1); }
Color Color::black() { return Color(0, 0, 0); }
Color Color::clear() { return Color(0, 0, 0, 0); }

}  // namespace zephro::platform::ui
