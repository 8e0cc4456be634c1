#include "zephro/scopes/view_stack_jsb.h"

#include <memory>
#include <optional>
#include <string>

#include "zephro/bridge/h5_content_web_view.h"
#include "zephro/h5/h5_content_view_controller.h"
#include "zephro/platform/foundation/notification_center.h"
#include "zephro/platform/ui/navigation_controller.h"
#include "zephro/scopes/invoke_params.h"

namespace zephro {

namespace {

// The screen that shows the calling page, if both are still there.
std::shared_ptr<H5ContentViewStack> callingScreen(const JSBInvocation& invocation) {
  auto webView = invocation.webview.lock();
  return webView ? webView->viewController().lock() : nullptr;
}

void push(H5ContentViewStack& screen, const InvokeParams& params) {
  std::optional<std::string> route = invokeParam<std::string>(params, "route");
  if (!route) return;
  screen.navigateTo(*route, params, invokeParam<bool>(params, "animated").value_or(true));
}

// The first page screen showing `route`, from the bottom of the stack.
std::shared_ptr<platform::ui::ViewController> lowestScreenShowing(const platform::ui::NavigationController& navigation,
                                                                  const std::string& route) {
  for (const auto& controller : navigation.viewControllers()) {
    auto page = std::dynamic_pointer_cast<H5ContentViewController>(controller);
    if (page && page->pageName() == route) return page;
  }
  return nullptr;
}

bool popBackTo(H5ContentViewStack& screen, const std::optional<std::string>& route) {
  auto navigation = screen.navigationController();
  if (!route || !navigation) return false;
  auto found = lowestScreenShowing(*navigation, *route);
  if (!found) return false;
  navigation->popToViewController(found, true);
  return true;
}

void pop(H5ContentViewStack& screen, const InvokeParams& params) {
  if (popBackTo(screen, invokeParam<std::string>(params, "route"))) return;
  if (std::optional<std::int64_t> step = invokeParam<std::int64_t>(params, "step")) {
    screen.pop(*step, invokeParam<bool>(params, "animated").value_or(true));
  } else {
    screen.pop(0, true);
  }
}

void replace(const InvokeParams& params) {
  std::optional<std::string> route = invokeParam<std::string>(params, "route");
  if (!route) return;
  platform::foundation::NotificationCenter::defaultCenter().post(kLoginStateChangedNotification, *route);
}

}  // namespace

void ViewStackJSB::handle(const JSBInvocation& invocation, JSBCallback /*callback*/) {
  const WebViewInvoke& invoke = invocation.invoke;
  if (invoke.method == "replace") {
    replace(invoke.params);
    return;
  }
  bool navigates = invoke.method == "push" || invoke.method == "pop" || invoke.method == "popTo";
  if (!navigates) return;
  std::shared_ptr<H5ContentViewStack> screen = callingScreen(invocation);
  if (!screen) return;
  if (invoke.method == "push") {
    push(*screen, invoke.params);
  } else {
    pop(*screen, invoke.params);
  }
}

}  // namespace zephro
