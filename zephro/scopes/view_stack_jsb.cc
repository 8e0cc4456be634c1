#include "zephro/scopes/view_stack_jsb.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "zephro/bridge/h5_content_web_view.h"
#include "zephro/bridge/scope_methods.h"
#include "zephro/h5/h5_content_view_controller.h"
#include "zephro/platform/foundation/notification_center.h"
#include "zephro/platform/ui/navigation_controller.h"
#include "zephro/screens/zp_root_view_controller.h"

namespace zephro {

namespace {

// "route" (a text, required), "animated" (true unless the Boolean false)
// and the whole params, which the new page gets.
struct RouteParams {
  std::string route;
  bool animated;
  InvokeParams all;
  static std::optional<RouteParams> decode(const InvokeParams& params) {
    std::optional<std::string> route = invokeParam<std::string>(params, "route");
    if (!route) return std::nullopt;
    return RouteParams{std::move(*route), invokeParam<bool>(params, "animated").value_or(true), params};
  }
};

// Back to the lowest screen showing "route", else by "step" screens.
struct PopParams {
  std::optional<std::string> route;
  std::optional<std::int64_t> step;
  bool animated;
  static std::optional<PopParams> decode(const InvokeParams& params) {
    return PopParams{invokeParam<std::string>(params, "route"), invokeParam<std::int64_t>(params, "step"),
                     invokeParam<bool>(params, "animated").value_or(true)};
  }
};

// The screen that shows the calling page, if both are still there.
std::shared_ptr<H5ContentViewStack> callingScreen(const JSBInvocation& invocation) {
  auto webView = invocation.webview.lock();
  return webView ? webView->viewController().lock() : nullptr;
}

void push(ViewStackJSB&, const RouteParams& params, const JSBInvocation& invocation, JSBCallback) {
  if (auto screen = callingScreen(invocation)) screen->navigateTo(params.route, params.all, params.animated);
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

void pop(ViewStackJSB&, const PopParams& params, const JSBInvocation& invocation, JSBCallback) {
  std::shared_ptr<H5ContentViewStack> screen = callingScreen(invocation);
  if (!screen || popBackTo(*screen, params.route)) return;
  if (params.step) {
    screen->pop(*params.step, params.animated);
  } else {
    screen->pop(0, true);
  }
}

void replace(ViewStackJSB&, const RouteParams& params, const JSBInvocation&, JSBCallback) {
  platform::foundation::NotificationCenter::defaultCenter().post(kLoginStateChangedNotification, params.route);
}

const ScopeMethods<ViewStackJSB>& methods() {
  static const ScopeMethods<ViewStackJSB> table =
      ScopeMethods<ViewStackJSB>().add("push", push).add("pop", pop).add("popTo", pop).add("replace", replace);
  return table;
}

}  // namespace

void ViewStackJSB::handle(const JSBInvocation& invocation, JSBCallback callback) {
  methods().call(*this, invocation, std::move(callback));
}

}  // namespace zephro
