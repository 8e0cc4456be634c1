// Shown in place of a page that cannot be shown: one line of text and an exit
// button that leaves the kit's screens.
#pragma once

#include <memory>
#include <string>

#include "zephro/platform/ui/view_controller.h"

namespace zephro {

class ZPErrorViewController : public platform::ui::ViewController {
 public:
  static std::shared_ptr<ZPErrorViewController> make(std::string message);

  const std::string& message() const { return message_; }

  // The label (black text) above the button "退出", 10 points apart, centred.
  void viewDidLoad() override;
  // Without a navigation controller: dismisses this screen. With one holding
  // fewer than two screens: dismisses that navigation controller. Otherwise
  // pops its top screen. Always animated.
  void backAction();

 protected:
  explicit ZPErrorViewController(std::string message) : message_(std::move(message)) {}

 private:
  const std::string message_;
};

}  // namespace zephro
