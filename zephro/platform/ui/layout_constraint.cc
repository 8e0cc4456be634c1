#include "zephro/platform/ui/layout_constraint.h"

#include "zephro/platform/ui/view.h"

namespace zephro::platform::ui {

LayoutConstraint::LayoutConstraint(const std::shared_ptr<View>& item, LayoutAttribute attribute,
                                   const std::shared_ptr<View>& toItem, double constant)
    : item_(item), toItem_(toItem), attribute_(attribute), constant_(constant) {}

std::shared_ptr<LayoutConstraint> LayoutConstraint::centerX(const std::shared_ptr<View>& item,
                                                            const std::shared_ptr<View>& toItem,
                                                            double constant) {
  return std::make_shared<LayoutConstraint>(item, LayoutAttribute::centerX, toItem, constant);
}

std::shared_ptr<LayoutConstraint> LayoutConstraint::centerY(const std::shared_ptr<View>& item,
                                                            const std::shared_ptr<View>& toItem,
                                                            double constant) {
  return std::make_shared<LayoutConstraint>(item, LayoutAttribute::centerY, toItem, constant);
}

void LayoutConstraint::activate(const std::vector<std::shared_ptr<LayoutConstraint>>& constraints) {
  for (const auto& constraint : constraints) constraint->setActive(true);
}

void LayoutConstraint::deactivate(const std::vector<std::shared_ptr<LayoutConstraint>>& constraints) {
  for (const auto& constraint : constraints) constraint->setActive(false);
}

void LayoutConstraint::setActive(bool active) {
  auto view = item();
  auto self = weak_from_this().lock();
  if (active == active_ || !view || !self) return;
  active_ = active;
  if (active) {
    view->addConstraint(self);
  } else {
    view->removeConstraint(*this);
  }
  markForLayout();
}

void LayoutConstraint::setConstant(double constant) {
  constant_ = constant;
  if (active_) markForLayout();
}

// The item's superview places it, so that is the view to lay out again.
void LayoutConstraint::markForLayout() const {
  auto view = item();
  if (!view) return;
  view->setNeedsLayout();
  if (auto superview = view->superview()) superview->setNeedsLayout();
}

}  // namespace zephro::platform::ui
