#pragma once

#include <memory>
#include <vector>

namespace zephro::platform::ui {

class View;

enum class LayoutAttribute { centerX, centerY };

// "item.attribute = toItem.attribute + constant". Only centring is modelled:
// a constrained view takes its fitting size and is centred on the other view.
class LayoutConstraint : public std::enable_shared_from_this<LayoutConstraint> {
 public:
  LayoutConstraint(const std::shared_ptr<View>& item, LayoutAttribute attribute,
                   const std::shared_ptr<View>& toItem, double constant);

  static std::shared_ptr<LayoutConstraint> centerX(const std::shared_ptr<View>& item,
                                                   const std::shared_ptr<View>& toItem,
                                                   double constant = 0);
  static std::shared_ptr<LayoutConstraint> centerY(const std::shared_ptr<View>& item,
                                                   const std::shared_ptr<View>& toItem,
                                                   double constant = 0);

  // Activating together marks the affected views for one layout pass.
  static void activate(const std::vector<std::shared_ptr<LayoutConstraint>>& constraints);
  static void deactivate(const std::vector<std::shared_ptr<LayoutConstraint>>& constraints);

  bool isActive() const { return active_; }
  void setActive(bool active);

  std::shared_ptr<View> item() const { return item_.lock(); }
  std::shared_ptr<View> toItem() const { return toItem_.lock(); }
  LayoutAttribute attribute() const { return attribute_; }
  double constant() const { return constant_; }
  void setConstant(double constant);

 private:
  void markForLayout() const;

  std::weak_ptr<View> item_;
  std::weak_ptr<View> toItem_;
  LayoutAttribute attribute_;
  double constant_;
  bool active_ = false;
};

}  // namespace zephro::platform::ui
