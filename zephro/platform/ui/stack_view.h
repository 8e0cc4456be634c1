#pragma once

#include <memory>
#include <vector>

#include "zephro/platform/ui/view.h"

namespace zephro::platform::ui {

enum class StackAxis { horizontal, vertical };
// Placement across the axis; `fill` stretches items to the stack's breadth.
enum class StackAlignment { fill, leading, center, trailing };

// Lays its arranged views out in a row or a column at their fitting sizes,
// and fits itself around them.
class StackView : public View {
 public:
  explicit StackView(Rect frame = {});
  static std::shared_ptr<StackView> make(const std::vector<std::shared_ptr<View>>& arranged = {});

  const std::vector<std::shared_ptr<View>>& arrangedSubviews() const { return arranged_; }
  // Also adds the view as a subview.
  void addArrangedSubview(const std::shared_ptr<View>& view);
  // The view stays a subview; only the stack stops arranging it.
  void removeArrangedSubview(const std::shared_ptr<View>& view);

  StackAxis axis() const { return axis_; }
  void setAxis(StackAxis axis);
  double spacing() const { return spacing_; }
  void setSpacing(double spacing);
  StackAlignment alignment() const { return alignment_; }
  void setAlignment(StackAlignment alignment);

  Size intrinsicContentSize() const override;

 protected:
  void layoutSubviews() override;

 private:
  // Hidden arranged views take no room.
  std::vector<std::shared_ptr<View>> visibleArranged() const;

  std::vector<std::shared_ptr<View>> arranged_;
  StackAxis axis_ = StackAxis::horizontal;
  double spacing_ = 0;
  StackAlignment alignment_ = StackAlignment::fill;
};

}  // namespace zephro::platform::ui
