#include "zephro/scopes/app_jsb.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "zephro/platform/foundation/user_defaults.h"
#include "zephro/platform/ui/navigation_controller.h"
#include "zephro/scopes/invoke_params.h"
#include "zephro/screens/scan_view_controller.h"
#include "zephro/screens/zp_root_view_controller.h"
#include "zephro/sdk/login_info_store.h"

namespace zephro {

namespace {

using platform::foundation::UserDefaults;
using Body = std::map<std::string, AnyCodable>;
using Method = void (*)(const InvokeParams&, const JSBCallback&);

void answer(const JSBCallback& callback, std::optional<Body> body) {
  if (callback) callback(WebViewResponse{std::nullopt, std::move(body), true});
}

void setLoginUserInfoMethod(const InvokeParams& params, const JSBCallback& callback) {
  std::optional<PlainMap> info;
  if (params) {
    info.emplace();
    for (const auto& [key, value] : *params) info->emplace(key, value.value());
  }
  setLoginUserInfo(UserDefaults::standard(), std::move(info));
  answer(callback, std::nullopt);
}

void getLoginUserInfoMethod(const InvokeParams& /*params*/, const JSBCallback& callback) {
  std::optional<PlainMap> info = loginUserInfo(UserDefaults::standard());
  if (!callback) return;
  if (!info) {
    answer(callback, std::nullopt);
    return;
  }
  Body body;
  for (auto& [key, value] : *info) body.emplace(key, AnyCodable(std::move(value)));
  answer(callback, std::move(body));
}

void getTokenMethod(const InvokeParams& /*params*/, const JSBCallback& callback) {
  std::optional<std::string> token = UserDefaults::standard().string(kLoginUserTokenKey);
  answer(callback, Body{{"token", AnyCodable(std::move(token))}});
}

// A page that stores null means "no value": the key goes, as for an absent
// value. Nulls inside lists and maps are kept as nulls.
void setUserDefaultsMethod(const InvokeParams& params, const JSBCallback& /*never answered*/) {
  std::optional<std::string> key = invokeParam<std::string>(params, "key");
  if (!key) return;
  const AnyCodable* value = invokeValue(params, "value");
  UserDefaults& defaults = UserDefaults::standard();
  if (!value || value->as<Null>()) {
    defaults.remove(*key);
  } else {
    defaults.set(*key, value->value());
  }
}

void getUserDefaultsMethod(const InvokeParams& params, const JSBCallback& callback) {
  std::optional<std::string> key = invokeParam<std::string>(params, "key");
  if (!key) return;
  std::any entry = UserDefaults::standard().value(*key);
  answer(callback, Body{{"value", AnyCodable(std::move(entry))}});
}

void scanQRMethod(const InvokeParams& /*params*/, const JSBCallback& callback) {
  auto scanner = ScanViewController::make();
  scanner->setCallback([callback](const std::optional<std::string>& text) {
    answer(callback, Body{{"value", AnyCodable(text)}});
  });
  auto root = ZPRootViewController::current();
  auto navigation = root ? root->navigationController() : nullptr;
  if (navigation) navigation->pushViewController(scanner, true);
}

const std::map<std::string, Method, std::less<>>& methods() {
  static const std::map<std::string, Method, std::less<>> table{
      {"setLoginUserInfo", setLoginUserInfoMethod},
      {"getLoginUserInfo", getLoginUserInfoMethod},
      {"getToken", getTokenMethod},
      {"setUserDefaults", setUserDefaultsMethod},
      {"getUserDefaults", getUserDefaultsMethod},
      {"scanQR", scanQRMethod},
  };
  return table;
}

}  // namespace

void AppJSB::handle(const JSBInvocation& invocation, JSBCallback callback) {
  const WebViewInvoke& invoke = invocation.invoke;
  if (!invoke.method) return;
  auto method = methods().find(*invoke.method);
  if (method != methods().end()) method->second(invoke.params, callback);
}

}  // namespace zephro
