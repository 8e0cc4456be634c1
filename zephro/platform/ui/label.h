#pragma once

#include <memory>
#include <string>

#include "zephro/platform/ui/view.h"

namespace zephro::platform::ui {

// Static text.
class Label : public View {
 public:
  static constexpr double defaultFontSize = 17;

  explicit Label(Rect frame = {});
  static std::shared_ptr<Label> make(std::string text = {});

  const std::string& text() const { return text_; }
  void setText(std::string text);
  const Color& textColor() const { return textColor_; }
  void setTextColor(Color color);
  // 0 means as many lines as the text needs.
  int numberOfLines() const { return numberOfLines_; }
  void setNumberOfLines(int lines);
  double fontSize() const { return fontSize_; }
  void setFontSize(double size);

  Size intrinsicContentSize() const override;
  Size sizeThatFits(Size available) const override;

 private:
  std::string text_;
  Color textColor_ = Color::black();
  int numberOfLines_ = 1;
  double fontSize_ = defaultFontSize;
};

}  // namespace zephro::platform::ui
