// The login information: persistent form, in-memory copy, token rule and the
// calls made on the host's socket manager.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "zephro/testing/plain_values.h"
#include "zephro/testing/recording_socket_manager.h"
#include "zephro/testing/temporary_user_defaults.h"
#include "zephro/sdk/login_info_store.h"
#include "zephro/sdk/zephro_sdk4_tolmar_runner.h"

namespace zephro {
namespace {

using platform::foundation::UserDefaults;
using Log = std::vector<std::string>;

PlainMap loginWithToken(std::any accessToken) {
  return PlainMap{{"name", std::string("ann")},
                  {"userToken", PlainMap{{"accessToken", std::move(accessToken)}, {"expires", std::int64_t{3600}}}}};
}

class LoginInfoStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    forgetLoginUserInfoCopy();
    ZephroSdk4TolmarRunner::setSocketManager(socket);
    socket->log().clear();
  }
  void TearDown() override {
    ZephroSdk4TolmarRunner::setSocketManager(nullptr);
    forgetLoginUserInfoCopy();
  }
  UserDefaults& defaults() { return UserDefaults::standard(); }
  std::string storedText() {
    std::optional<Data> bytes = defaults().data(kLoginUserInfoKey);
    return bytes ? std::string(bytes->begin(), bytes->end()) : "<none>";
  }

  testing::TemporaryStandardUserDefaults store;
  std::shared_ptr<testing::RecordingSocketManager> socket = std::make_shared<testing::RecordingSocketManager>("s");
};

// An absent or empty token is passed on as it is, but never stored.
TEST_F(LoginInfoStoreTest, StoresTheInfoAndItsTokenAndReconnectsTheSocketWithIt) {
  setLoginUserInfo(defaults(), loginWithToken(std::string("tok-1")));
  EXPECT_EQ(storedText(), R"({"name":"ann","userToken":{"accessToken":"tok-1","expires":3600}})");
  EXPECT_EQ(defaults().string(kLoginUserTokenKey), "tok-1");
  EXPECT_EQ(socket->token(), "tok-1");
  setLoginUserInfo(defaults(), PlainMap{{"name", std::string("ann")}});
  EXPECT_EQ(defaults().string(kLoginUserTokenKey), std::nullopt);
  setLoginUserInfo(defaults(), loginWithToken(std::string()));
  EXPECT_EQ(defaults().string(kLoginUserTokenKey), std::nullopt);
  EXPECT_EQ(socket->log().entries(),
            (Log{"s.token=tok-1", "s.reconnect", "s.token=none", "s.reconnect", "s.token=", "s.reconnect"}));

  ZephroSdk4TolmarRunner::setSocketManager(nullptr);
  socket->log().clear();
  setLoginUserInfo(defaults(), loginWithToken(std::string("tok-2")));
  EXPECT_EQ(defaults().string(kLoginUserTokenKey), "tok-2");
  EXPECT_TRUE(socket->log().entries().empty());
}

TEST_F(LoginInfoStoreTest, LogoutRemovesBothKeys) {
  setLoginUserInfo(defaults(), loginWithToken(std::string("tok")));
  setLoginUserInfo(defaults(), std::nullopt);
  EXPECT_FALSE(defaults().value(kLoginUserInfoKey).has_value());
  EXPECT_FALSE(defaults().value(kLoginUserTokenKey).has_value());
  EXPECT_EQ(loginUserInfo(defaults()), std::nullopt);
  forgetLoginUserInfoCopy();
  EXPECT_EQ(loginUserInfo(defaults()), std::nullopt);
}

TEST_F(LoginInfoStoreTest, SurvivesARestartAndUnreadableDataReadsAsAbsent) {
  PlainMap info = loginWithToken(std::string("tok"));
  setLoginUserInfo(defaults(), info);
  forgetLoginUserInfoCopy();
  UserDefaults::resetStandardUserDefaults();  // reopens the same file
  std::optional<PlainMap> read = loginUserInfo(defaults());
  ASSERT_TRUE(read);
  EXPECT_TRUE(testing::plainEquals(*read, info));

  for (std::string text : {"{", "[1,2]", "\"text\""}) {
    forgetLoginUserInfoCopy();
    defaults().set(kLoginUserInfoKey, Data(text.begin(), text.end()));
    EXPECT_EQ(loginUserInfo(defaults()), std::nullopt) << text;
  }
  forgetLoginUserInfoCopy();
  defaults().set(kLoginUserInfoKey, std::string(R"({"a":1})"));  // a string, not data
  EXPECT_EQ(loginUserInfo(defaults()), std::nullopt);
}

TEST_F(LoginInfoStoreTest, InfoJSONCannotHoldLivesOnlyInMemory) {
  setLoginUserInfo(defaults(), PlainMap{{"when", Date{}}});
  EXPECT_FALSE(defaults().value(kLoginUserInfoKey).has_value());
  ASSERT_TRUE(loginUserInfo(defaults()));
  EXPECT_EQ(loginUserInfo(defaults())->count("when"), 1u);
}

TEST(LoginAccessToken, OnlyAStringInsideAUserTokenObject) {
  EXPECT_EQ(loginAccessToken(loginWithToken(std::string("t"))), "t");
  for (const PlainMap& info : {PlainMap{}, loginWithToken(std::int64_t{5}), PlainMap{{"userToken", std::string("t")}},
                               PlainMap{{"userToken", PlainMap{}}}, PlainMap{{"accessToken", std::string("t")}}}) {
    EXPECT_EQ(loginAccessToken(info), std::nullopt);
  }
}

}  // namespace
}  // namespace zephro
