#include "zephro/platform/ui/label.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "zephro/platform/ui/renderer.h"
#include "zephro/platform/ui/text_metrics.h"

namespace zephro::platform::ui {

Label::Label(Rect frame) : View(frame) {}

std::shared_ptr<Label> Label::make(std::string text) {
  auto label = std::make_shared<Label>();
  label->setText(std::move(text));
  return label;
}

void Label::setText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  contentChanged();
  invalidateIntrinsicContentSize();
}

void Label::setTextColor(Color color) {
  if (color == textColor_) return;
  textColor_ = color;
  contentChanged();
}

void Label::setNumberOfLines(int lines) {
  lines = std::max(lines, 0);
  if (lines == numberOfLines_) return;
  numberOfLines_ = lines;
  contentChanged();
  invalidateIntrinsicContentSize();
}

void Label::setFontSize(double size) {
  if (size <= 0 || size == fontSize_) return;
  fontSize_ = size;
  contentChanged();
  invalidateIntrinsicContentSize();
}

Size Label::intrinsicContentSize() const { return estimateTextSize(text_, fontSize_); }

// Multi-line labels wrap at the available width; one-line labels do not.
Size Label::sizeThatFits(Size available) const {
  if (const auto& peer = existingPeer()) {
    if (auto measured = peer->measureContent(available)) return *measured;
  }
  const Size line = intrinsicContentSize();
  if (numberOfLines_ == 1 || available.width <= 0 || line.width <= available.width) return line;
  double lines = std::ceil(line.width / available.width);
  if (numberOfLines_ > 1) lines = std::min(lines, static_cast<double>(numberOfLines_));
  return {available.width, line.height * lines};
}

}  // namespace zephro::platform::ui
