// The scope "window": pages open pages (push), close them by count or back to
// a named page (pop, popTo) and restart the stack at the root (replace).
// Nothing is ever answered.
#pragma once

#include "zephro/bridge/jsb_implement.h"

namespace zephro {

inline constexpr char kViewStackScope[] = "window";
// Posted by "replace" with the new root page name (a std::string) as object.
inline constexpr char kLoginStateChangedNotification[] = "login-state-changed";

class ViewStackJSB : public JSBImplement {
 public:
  void handle(const JSBInvocation& invocation, JSBCallback callback) override;
};

}  // namespace zephro
