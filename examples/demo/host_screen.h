// The demo's own screen: what a host application shows before it opens the
// kit, with a button that opens the kit's home screen again.
#pragma once

#include <memory>

#include "zephro/platform/ui/view_controller.h"

namespace zephro::demo {

class HostScreen : public platform::ui::ViewController {
 public:
  static std::shared_ptr<HostScreen> make();

  void viewDidLoad() override;
  void viewWillAppear(bool animated) override;

 private:
  void openKit();
};

}  // namespace zephro::demo
