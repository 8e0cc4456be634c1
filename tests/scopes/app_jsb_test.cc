// The page-facing round trips of every method run on the real engine in
// tests/gtk/kit; here: what those leave out.
#include "zephro/scopes/app_jsb.h"

#include <gtest/gtest.h>

#include "zephro/testing/kit_test.h"
#include "zephro/platform/foundation/user_defaults.h"
#include "zephro/sdk/login_info_store.h"

namespace zephro {
namespace {

using platform::foundation::UserDefaults;
using Responses = std::vector<std::string>;

// A page screen on the host's stack calls "app".
class AppJSBTest : public testing::KitTest {
 protected:
  AppJSBTest() { navigation->pushViewController(page, false); }

  void call(const std::string& method, const std::string& params, int invokeId) {
    ASSERT_TRUE(testing::callBridge(*page->webview(), "app", method, params, invokeId));
  }
  Responses answers() { return testing::responsesOf(*page->webview()); }

  std::shared_ptr<H5ContentViewController> page = H5ContentViewController::make("home", std::nullopt);
};

// The token key may be set on its own; the login information keeps its token.
// Without params, setLoginUserInfo logs out.
TEST_F(AppJSBTest, TheTokenFollowsTheLoginInformationUntilLogout) {
  call("setLoginUserInfo", R"({"userToken":{"accessToken":"T1"}})", 1);
  call("setUserDefaults", R"({"key":"loginUserToken","value":"T2"})", 2);
  call("getToken", "", 3);
  EXPECT_EQ(loginAccessToken(*loginUserInfo(UserDefaults::standard())), "T1");
  call("setLoginUserInfo", "", 4);
  call("getLoginUserInfo", "", 5);
  call("getToken", "", 6);
  EXPECT_EQ(answers(), (Responses{R"(window.__jsb.onResponse({"success":true}, 1))",
                                  R"(window.__jsb.onResponse({"responseBody":{"token":"T2"},"success":true}, 3))",
                                  R"(window.__jsb.onResponse({"success":true}, 4))",
                                  R"(window.__jsb.onResponse({"success":true}, 5))",
                                  R"(window.__jsb.onResponse({"responseBody":{"token":null},"success":true}, 6))"}));
  EXPECT_EQ(socket->token(), std::nullopt);
}

// Answered scans are covered with the scanner and the whole kit's flow.
TEST_F(AppJSBTest, OtherLetterCaseMissingKeysAndScansWithoutARootScreenDoNothing) {
  UserDefaults::standard().set("count", std::int64_t{5});
  call("setUserDefaults", R"({"value":1})", 1);
  call("getUserDefaults", "", 2);
  call("GetToken", "", 3);
  call("scanQR", "", 4);
  EXPECT_EQ(top(), page);
  EXPECT_TRUE(answers().empty());
  EXPECT_EQ(UserDefaults::standard().value("count").type(), typeid(std::int64_t));
  call("setUserDefaults", R"({"key":"count"})", 5);  // no value: removed
  EXPECT_FALSE(UserDefaults::standard().value("count").has_value());
}

}  // namespace
}  // namespace zephro
