// The web view of every page. It knows the page screen that shows it, weakly:
// the screen owns the web view, not the other way round.
#pragma once

#include <memory>
#include <string>

#include "zephro/platform/ui/view_controller.h"
#include "zephro/platform/web/web_view.h"

namespace zephro {

class H5ContentViewStack;

class H5ContentWebView : public platform::web::WebView {
 public:
  using WebView::WebView;
  // Writes the debug line "H5ContentWebView successfully dealloc".
  ~H5ContentWebView() override;

  // Empty until the H5 manager sets it, and again once the screen is gone.
  std::weak_ptr<H5ContentViewStack> viewController() const { return viewController_; }
  template <class Screen>
  void setViewController(const std::shared_ptr<Screen>& controller) {
    viewController_ = controller;
    screen_ = controller;
  }
  // The same screen as another interface it serves (CurrentPageScope,
  // PageLoadEvents); null when it serves none or is gone.
  template <class Interface>
  std::shared_ptr<Interface> screenAs() const {
    return std::dynamic_pointer_cast<Interface>(screen_.lock());
  }

  std::string className() const override;

 private:
  std::weak_ptr<H5ContentViewStack> viewController_;
  // The page screen again, as the platform's view controller that it is.
  std::weak_ptr<platform::ui::ViewController> screen_;
};

}  // namespace zephro
