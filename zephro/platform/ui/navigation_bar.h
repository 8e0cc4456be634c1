#pragma once

#include <memory>
#include <optional>
#include <string>

#include "zephro/platform/ui/view.h"

namespace zephro::platform::ui {

class NavigationController;

// The bar across the top of a navigation stack: the top screen's title and,
// above the bottom screen, a back button.
class NavigationBar : public View {
 public:
  static constexpr double height = 44;
  static constexpr const char* defaultBackTitle = "Back";

  explicit NavigationBar(std::weak_ptr<NavigationController> controller);

  std::string title() const;
  // Absent on a one-screen stack; otherwise the back title that the screen
  // below the top one gives, or a default.
  std::optional<std::string> backButtonTitle() const;
  // What a click on the back button does: pops the top screen, animated.
  void sendBackAction();

  // The stack changed: the renderer reads title and back button again.
  void itemsChanged() { contentChanged(); }

 private:
  std::weak_ptr<NavigationController> controller_;
};

}  // namespace zephro::platform::ui
