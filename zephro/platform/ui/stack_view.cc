#include "zephro/platform/ui/stack_view.h"

#include <algorithm>

namespace zephro::platform::ui {

namespace {
constexpr Size unbounded{-1, -1};

// Lengths along and across the stack's axis.
struct AxisSize {
  double along;
  double across;
};

AxisSize toAxis(Size size, StackAxis axis) {
  return axis == StackAxis::vertical ? AxisSize{size.height, size.width} : AxisSize{size.width, size.height};
}

Rect fromAxis(double along, double across, AxisSize size, StackAxis axis) {
  return axis == StackAxis::vertical ? Rect::make(across, along, size.across, size.along)
                                     : Rect::make(along, across, size.along, size.across);
}

double offsetAcross(StackAlignment alignment, double breadth, double item) {
  switch (alignment) {
    case StackAlignment::center:
      return (breadth - item) / 2;
    case StackAlignment::trailing:
      return breadth - item;
    case StackAlignment::fill:
    case StackAlignment::leading:
      break;
  }
  return 0;
}
}  // namespace

StackView::StackView(Rect frame) : View(frame) {}

std::shared_ptr<StackView> StackView::make(const std::vector<std::shared_ptr<View>>& arranged) {
  auto stack = std::make_shared<StackView>();
  for (const auto& view : arranged) stack->addArrangedSubview(view);
  return stack;
}

void StackView::addArrangedSubview(const std::shared_ptr<View>& view) {
  if (!view || view.get() == this) return;
  std::erase(arranged_, view);
  arranged_.push_back(view);
  addSubview(view);
  invalidateIntrinsicContentSize();
}

void StackView::removeArrangedSubview(const std::shared_ptr<View>& view) {
  std::erase(arranged_, view);
  invalidateIntrinsicContentSize();
}

void StackView::setAxis(StackAxis axis) {
  axis_ = axis;
  invalidateIntrinsicContentSize();
}

void StackView::setSpacing(double spacing) {
  spacing_ = spacing;
  invalidateIntrinsicContentSize();
}

void StackView::setAlignment(StackAlignment alignment) {
  alignment_ = alignment;
  setNeedsLayout();
}

std::vector<std::shared_ptr<View>> StackView::visibleArranged() const {
  std::vector<std::shared_ptr<View>> visible;
  std::copy_if(arranged_.begin(), arranged_.end(), std::back_inserter(visible),
               [](const auto& view) { return !view->isHidden(); });
  return visible;
}

Size StackView::intrinsicContentSize() const {
  const auto items = visibleArranged();
  AxisSize total{0, 0};
  for (const auto& item : items) {
    const AxisSize size = toAxis(item->sizeThatFits(unbounded), axis_);
    total.along += size.along;
    total.across = std::max(total.across, size.across);
  }
  if (items.size() > 1) total.along += spacing_ * static_cast<double>(items.size() - 1);
  return axis_ == StackAxis::vertical ? Size{total.across, total.along} : Size{total.along, total.across};
}

void StackView::layoutSubviews() {
  const double breadth = toAxis(bounds().size, axis_).across;
  double along = 0;
  for (const auto& item : visibleArranged()) {
    AxisSize size = toAxis(item->sizeThatFits(unbounded), axis_);
    if (alignment_ == StackAlignment::fill) size.across = breadth;
    item->setFrame(fromAxis(along, offsetAcross(alignment_, breadth, size.across), size, axis_));
    along += size.along + spacing_;
  }
  View::layoutSubviews();
}

}  // namespace zephro::platform::ui
