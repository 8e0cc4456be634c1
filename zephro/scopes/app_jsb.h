// The scope "app": the login information, the login token, any entry of the
// standard user-defaults store, and the QR scanner. Every answer has
// success true; "setUserDefaults" and unknown methods are never answered.
#pragma once

#include "zephro/bridge/jsb_implement.h"

namespace zephro {

inline constexpr char kAppScope[] = "app";

class AppJSB : public JSBImplement {
 public:
  // "setLoginUserInfo" (the whole params), "getLoginUserInfo", "getToken",
  // "setUserDefaults" ("key" text, "value" any: absent or a top-level null
  // removes the key), "getUserDefaults" ("key" text), "scanQR" (answers
  // {"value": text or null} once the scanner on the root screen reports).
  void handle(const JSBInvocation& invocation, JSBCallback callback) override;
};

}  // namespace zephro
