#include "zephro/scopes/app_jsb.h"

#include <gtest/gtest.h>

#include "tests/support/kit_test.h"
#include "zephro/platform/foundation/user_defaults.h"
#include "zephro/sdk/login_info_store.h"

namespace zephro {
namespace {

using platform::foundation::UserDefaults;
using testing::KitTest;
using testing::postBridgeMessage;
using testing::responsesOf;
using Responses = std::vector<std::string>;

std::string response(const std::string& payload, int invokeId) {
  return "window.__jsb.onResponse(" + payload + ", " + std::to_string(invokeId) + ")";
}

// A page screen on the host's stack calls "app".
class AppJSBTest : public KitTest {
 protected:
  AppJSBTest() { navigation->pushViewController(page, false); }

  void call(const std::string& method, const std::string& params = "", int invokeId = 1) {
    std::string json = R"({"scope":"app","method":")" + method + '"';
    if (!params.empty()) json += R"(,"params":)" + params;
    json += R"(,"invokeId":)" + std::to_string(invokeId) + "}";
    ASSERT_TRUE(postBridgeMessage(*page->webview(), json));
  }
  Responses answers() { return responsesOf(*page->webview()); }

  std::shared_ptr<H5ContentViewController> page = H5ContentViewController::make("home", std::nullopt);
};

TEST_F(AppJSBTest, GetTokenAnswersTheStoredTokenOrNull) {
  call("getToken", "", 1);
  storeToken("abc");
  call("getToken", "", 2);
  EXPECT_EQ(answers(), (Responses{response(R"({"responseBody":{"token":null},"success":true})", 1),
                                  response(R"({"responseBody":{"token":"abc"},"success":true})", 2)}));
}

TEST_F(AppJSBTest, UserDefaultsAreStoredRemovedAndReadButSetIsNeverAnswered) {
  call("getUserDefaults", R"({"key":"count"})", 1);
  call("setUserDefaults", R"({"key":"count","value":5})", 2);
  call("getUserDefaults", R"({"key":"count"})", 3);
  call("setUserDefaults", R"({"key":"count"})", 4);
  call("getUserDefaults", R"({"key":"count"})", 5);
  EXPECT_EQ(answers(), (Responses{response(R"({"responseBody":{"value":null},"success":true})", 1),
                                  response(R"({"responseBody":{"value":5},"success":true})", 3),
                                  response(R"({"responseBody":{"value":null},"success":true})", 5)}));
}

TEST_F(AppJSBTest, StoredValuesKeepTheirKindAndNestedNulls) {
  call("setUserDefaults", R"({"key":"prefs","value":{"list":[1,null,"a",true],"none":null,"x":2.5}})", 1);
  call("getUserDefaults", R"({"key":"prefs"})", 2);
  EXPECT_EQ(answers(),
            (Responses{response(
                R"({"responseBody":{"value":{"list":[1,null,"a",true],"none":null,"x":2.5}},"success":true})", 2)}));
}

TEST_F(AppJSBTest, StoringATopLevelNullRemovesTheKey) {
  UserDefaults::standard().set("flag", true);
  call("setUserDefaults", R"({"key":"flag","value":null})", 1);
  EXPECT_FALSE(UserDefaults::standard().value("flag").has_value());
  EXPECT_TRUE(answers().empty());
}

TEST_F(AppJSBTest, AKeyThatIsNotATextDoesNothing) {
  UserDefaults::standard().set("5", std::string("kept"));
  call("setUserDefaults", R"({"key":5})", 1);
  call("getUserDefaults", R"({"key":5})", 2);
  call("getUserDefaults", "", 3);
  call("setUserDefaults", R"({"value":1})", 4);
  EXPECT_TRUE(answers().empty());
  EXPECT_EQ(UserDefaults::standard().string("5"), "kept");
}

TEST_F(AppJSBTest, LoginInformationRoundTripsAndYieldsTheToken) {
  const std::string info = R"({"name":"li","userToken":{"accessToken":"T1"}})";
  call("setLoginUserInfo", info, 1);
  call("getToken", "", 2);
  call("getLoginUserInfo", "", 3);
  EXPECT_EQ(answers(), (Responses{response(R"({"success":true})", 1),
                                  response(R"({"responseBody":{"token":"T1"},"success":true})", 2),
                                  response(R"({"responseBody":)" + info + R"(,"success":true})", 3)}));
  EXPECT_EQ(socket->token(), "T1");
}

TEST_F(AppJSBTest, SetLoginUserInfoWithoutParamsLogsOut) {
  call("setLoginUserInfo", R"({"userToken":{"accessToken":"T1"}})", 1);
  call("setLoginUserInfo", "", 2);
  call("getLoginUserInfo", "", 3);
  call("getToken", "", 4);
  EXPECT_EQ(answers(), (Responses{response(R"({"success":true})", 1), response(R"({"success":true})", 2),
                                  response(R"({"success":true})", 3),
                                  response(R"({"responseBody":{"token":null},"success":true})", 4)}));
}

TEST_F(AppJSBTest, SettingTheTokenKeyChangesOnlyTheToken) {
  call("setLoginUserInfo", R"({"userToken":{"accessToken":"T1"}})", 1);
  call("setUserDefaults", R"({"key":"loginUserToken","value":"T2"})", 2);
  call("getToken", "", 3);
  EXPECT_EQ(answers().back(), response(R"({"responseBody":{"token":"T2"},"success":true})", 3));
  EXPECT_EQ(loginAccessToken(*loginUserInfo(UserDefaults::standard())), "T1");
}

TEST_F(AppJSBTest, UnknownMethodsAndOtherLetterCaseGetNoAnswer) {
  call("gettoken");
  call("GetToken");
  call("nothing");
  ASSERT_TRUE(postBridgeMessage(*page->webview(), R"({"scope":"app","invokeId":3})"));
  EXPECT_TRUE(answers().empty());
}

// Answered scans are covered with the scanner and the whole kit's flow.
TEST_F(AppJSBTest, ScanQRWithoutARootScreenOpensNothingAndIsNeverAnswered) {
  call("scanQR", "", 9);
  EXPECT_EQ(top(), page);
  EXPECT_TRUE(answers().empty());
}

}  // namespace
}  // namespace zephro
