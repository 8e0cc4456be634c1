// The web view of every page. It knows the page screen that shows it, weakly:
// the screen owns the web view, not the other way round.
#pragma once

#include <memory>
#include <string>
#include <utility>

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
  void setViewController(std::weak_ptr<H5ContentViewStack> controller) { viewController_ = std::move(controller); }

  std::string className() const override;

 private:
  std::weak_ptr<H5ContentViewStack> viewController_;
};

}  // namespace zephro
