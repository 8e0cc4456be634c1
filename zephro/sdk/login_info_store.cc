#include "zephro/sdk/login_info_store.h"

#include <any>
#include <mutex>
#include <utility>

#include "zephro/platform/foundation/json_serialization.h"
#include "zephro/sdk/zephro_sdk4_tolmar_runner.h"

namespace zephro {

namespace {

using platform::foundation::JSONSerialization;
using platform::foundation::UserDefaults;

// Pages write on the main thread, but the host may read from anywhere.
struct LoginInfoCopy {
  std::mutex mutex;
  std::optional<PlainMap> info;
};

LoginInfoCopy& loginInfoCopy() {
  static LoginInfoCopy* copy = new LoginInfoCopy;
  return *copy;
}

std::optional<PlainMap> parseLoginInfo(const Data& bytes) {
  std::optional<std::any> parsed =
      JSONSerialization::jsonObject(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  if (!parsed) return std::nullopt;
  if (PlainMap* map = std::any_cast<PlainMap>(&*parsed)) return std::move(*map);
  return std::nullopt;
}

void storeLoginInfo(UserDefaults& defaults, const std::optional<PlainMap>& info) {
  std::optional<std::string> text = info ? JSONSerialization::data(*info) : std::nullopt;
  if (text) {
    defaults.set(kLoginUserInfoKey, Data(text->begin(), text->end()));
  } else {
    defaults.remove(kLoginUserInfoKey);
  }
}

}  // namespace

std::optional<PlainMap> loginUserInfo(UserDefaults& /*defaults*/) {
  LoginInfoCopy& copy = loginInfoCopy();
  std::lock_guard lock(copy.mutex);
  if (copy.info) return copy.info;
  std::optional<Data> stored = UserDefaults::standard().data(kLoginUserInfoKey);
  if (!stored) return std::nullopt;
  copy.info = parseLoginInfo(*stored);
  return copy.info;
}

void setLoginUserInfo(UserDefaults& defaults, std::optional<PlainMap> info) {
  std::optional<std::string> token = info ? loginAccessToken(*info) : std::nullopt;
  {
    // The copy and the stored form change together; the host's socket
    // manager is called outside the lock, as it may read the info back.
    LoginInfoCopy& copy = loginInfoCopy();
    std::lock_guard lock(copy.mutex);
    storeLoginInfo(defaults, info);
    copy.info = std::move(info);
  }
  setLoginToken(defaults, token);
}

void setLoginToken(UserDefaults& defaults, const std::optional<std::string>& token) {
  if (token && !token->empty()) {
    defaults.set(kLoginUserTokenKey, *token);
  } else {
    defaults.remove(kLoginUserTokenKey);
  }
  std::shared_ptr<ZPWebSocketManager> manager = ZephroSdk4TolmarRunner::socketManager();
  if (!manager) return;
  manager->setToken(token);
  manager->reconnect();
}

std::optional<std::string> loginAccessToken(const PlainMap& info) {
  auto userToken = info.find("userToken");
  if (userToken == info.end()) return std::nullopt;
  const PlainMap* tokens = std::any_cast<PlainMap>(&userToken->second);
  if (!tokens) return std::nullopt;
  auto accessToken = tokens->find("accessToken");
  if (accessToken == tokens->end()) return std::nullopt;
  if (const std::string* text = std::any_cast<std::string>(&accessToken->second)) return *text;
  return std::nullopt;
}

void forgetLoginUserInfoCopy() {
  LoginInfoCopy& copy = loginInfoCopy();
  std::lock_guard lock(copy.mutex);
  copy.info.reset();
}

}  // namespace zephro
