// The scope "window": pages open pages (push), close them by count or back to
// a named page (pop, popTo) and restart the stack at the root (replace posts
// "login-state-changed", see zp_root_view_controller.h).
// Nothing is ever answered.
#pragma once

#include "zephro/bridge/jsb_implement.h"

namespace zephro {

inline constexpr char kViewStackScope[] = "window";

class ViewStackJSB : public JSBImplement {
 public:
  void handle(const JSBInvocation& invocation, JSBCallback callback) override;
};

}  // namespace zephro
