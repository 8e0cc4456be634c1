// What hosts rely on the harness for: acting as a page and a fresh kit in
// every test, whatever the test before left behind.
#include "zephro/testing/kit_harness.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "zephro/h5/h5_manager.h"
#include "zephro/platform/foundation/application.h"
#include "zephro/platform/foundation/bundle.h"
#include "zephro/platform/foundation/user_defaults.h"
#include "zephro/sdk/login_info_store.h"

namespace zephro::testing {
namespace {

using platform::foundation::UserDefaults;

TEST(KitHarness, APageReadsTheAnswerToItsCallOrItsAbsence) {
  KitHarness kit;
  auto page = H5ContentViewController::make("home", std::nullopt);
  kit.navigation->pushViewController(page, false);
  kit.storeToken("T1");
  ASSERT_TRUE(callBridge(*page->webview(), "app", "getToken", "", 3));
  ASSERT_TRUE(callBridge(*page->webview(), "app", "setUserDefaults", R"({"key":"k","value":1})", 4));  // never answered
  EXPECT_EQ(answerTo(*page->webview(), 3), R"({"responseBody":{"token":"T1"},"success":true})");
  EXPECT_EQ(answerTo(*page->webview(), 4), std::nullopt);
}

TEST(KitHarness, EachHarnessStartsFromAFreshKitAndPutsTheProcessBack) {
  const char* outerTemporary = std::getenv("TMPDIR");
  const std::string before = outerTemporary ? outerTemporary : "";
  std::filesystem::path firstTemporary;
  {
    KitHarness first;
    first.storeToken("T1");
    H5Manager::shared().setIsDebug(true);
    H5Manager::shared().addTrustedOrigin("https://h5.example.com");
    firstTemporary = platform::foundation::temporaryDirectory();
    EXPECT_TRUE(firstTemporary.string().starts_with(first.temporaryDirectory.path().string()));
  }
  const char* afterwards = std::getenv("TMPDIR");
  EXPECT_EQ(afterwards ? afterwards : "", before);

  KitHarness second;
  EXPECT_FALSE(UserDefaults::standard().string(kLoginUserTokenKey));
  EXPECT_FALSE(loginUserInfo(UserDefaults::standard()));
  EXPECT_FALSE(H5Manager::shared().isDebug());
  EXPECT_TRUE(H5Manager::shared().trustedOrigins().empty());
  EXPECT_NE(platform::foundation::temporaryDirectory(), firstTemporary);
  EXPECT_EQ(UserDefaults::standardStorePath(), second.store.file());
  EXPECT_EQ(platform::foundation::Bundle::kit().bundlePath(), second.bundle.path());
}

}  // namespace
}  // namespace zephro::testing
