#pragma once

namespace zephro::platform::ui {

// An sRGB colour with straight alpha; components are fractions in 0..1.
class Color {
 public:
  Color(double red, double green, double blue, double alpha = 1);

  // Components given as 0..255, the way designers hand colours over.
  static Color rgb255(double red, double green, double blue, double alpha = 1);
  static Color white();
  static Color black();
  static Color clear();

  double red() const { return red_; }
  double green() const { return green_; }
  double blue() const { return blue_; }
  double alpha() const { return alpha_; }

  bool operator==(const Color&) const = default;

 private:
  double red_;
  double green_;
  double blue_;
  double alpha_;
};

}  // namespace zephro::platform::ui
