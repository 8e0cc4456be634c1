#include "zephro/scopes/app_jsb.h"

#include <map>
#include <optional>
#include <string>
#include <utility>

#include "zephro/bridge/scope_methods.h"
#include "zephro/platform/foundation/user_defaults.h"
#include "zephro/platform/ui/navigation_controller.h"
#include "zephro/screens/scan_view_controller.h"
#include "zephro/screens/zp_root_view_controller.h"
#include "zephro/sdk/login_info_store.h"

namespace zephro {

namespace {

using platform::foundation::UserDefaults;
using Body = std::map<std::string, AnyCodable>;

// The whole params, whatever they hold.
struct AllParams {
  InvokeParams params;
  static std::optional<AllParams> decode(const InvokeParams& params) { return AllParams{params}; }
};

// A text "key" (required) and, for writing, any "value".
struct EntryParams {
  std::string key;
  std::optional<AnyCodable> value;
  static std::optional<EntryParams> decode(const InvokeParams& params) {
    std::optional<std::string> key = invokeParam<std::string>(params, "key");
    if (!key) return std::nullopt;
    const AnyCodable* value = invokeValue(params, "value");
    return EntryParams{std::move(*key), value ? std::optional<AnyCodable>(*value) : std::nullopt};
  }
};

void answer(const JSBCallback& callback, std::optional<Body> body) {
  if (callback) callback(WebViewResponse{std::nullopt, std::move(body), true});
}

void setLoginUserInfoMethod(AppJSB&, const AllParams& all, const JSBInvocation&, JSBCallback callback) {
  std::optional<PlainMap> info;
  if (all.params) {
    info.emplace();
    for (const auto& [key, value] : *all.params) info->emplace(key, value.value());
  }
  setLoginUserInfo(UserDefaults::standard(), std::move(info));
  answer(callback, std::nullopt);
}

void getLoginUserInfoMethod(AppJSB&, const NoParams&, const JSBInvocation&, JSBCallback callback) {
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

void getTokenMethod(AppJSB&, const NoParams&, const JSBInvocation&, JSBCallback callback) {
  std::optional<std::string> token = UserDefaults::standard().string(kLoginUserTokenKey);
  answer(callback, Body{{"token", AnyCodable(std::move(token))}});
}

// A page that stores null means "no value": the key goes, as for an absent
// value. Nulls inside lists and maps are kept as nulls. Never answered.
void setUserDefaultsMethod(AppJSB&, const EntryParams& entry, const JSBInvocation&, JSBCallback) {
  UserDefaults& defaults = UserDefaults::standard();
  if (!entry.value || entry.value->as<Null>()) {
    defaults.remove(entry.key);
  } else {
    defaults.set(entry.key, entry.value->value());
  }
}

void getUserDefaultsMethod(AppJSB&, const EntryParams& entry, const JSBInvocation&, JSBCallback callback) {
  std::any value = UserDefaults::standard().value(entry.key);
  answer(callback, Body{{"value", AnyCodable(std::move(value))}});
}

void scanQRMethod(AppJSB&, const NoParams&, const JSBInvocation&, JSBCallback callback) {
  auto scanner = ScanViewController::make();
  scanner->setCallback([callback](const std::optional<std::string>& text) {
    answer(callback, Body{{"value", AnyCodable(text)}});
  });
  auto root = ZPRootViewController::current();
  auto navigation = root ? root->navigationController() : nullptr;
  if (navigation) navigation->pushViewController(scanner, true);
}

const ScopeMethods<AppJSB>& methods() {
  static const ScopeMethods<AppJSB> table = ScopeMethods<AppJSB>()
                                                .add("setLoginUserInfo", setLoginUserInfoMethod)
                                                .add("getLoginUserInfo", getLoginUserInfoMethod)
                                                .add("getToken", getTokenMethod)
                                                .add("setUserDefaults", setUserDefaultsMethod)
                                                .add("getUserDefaults", getUserDefaultsMethod)
                                                .add("scanQR", scanQRMethod);
  return table;
}

}  // namespace

void AppJSB::handle(const JSBInvocation& invocation, JSBCallback callback) {
  methods().call(*this, invocation, std::move(callback));
}

}  // namespace zephro
