// The demo's debug options change only what they name in the kit's store.
#include "debug_settings.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <optional>
#include <string>

#include "zephro/platform/foundation/user_defaults.h"

namespace zephro::demo {
namespace {

using platform::foundation::UserDefaults;

struct Case {
  const char* name;
  DemoOptions options;
  std::optional<std::string> debugHost;  // left in the store
  bool loggedIn;
};

DemoOptions with(void (*change)(DemoOptions&)) {
  DemoOptions options;
  change(options);
  return options;
}

class DebugSettings : public ::testing::TestWithParam<Case> {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/demo-store-XXXXXX";
    directory_ = mkdtemp(pattern);
    UserDefaults::setStandardStorePath(directory_ / "store");
    UserDefaults& store = UserDefaults::standard();
    store.set("loginUserToken", std::string("token"));
    store.set("h5DebugHost", std::string("old:8080"));
    store.set("h5IsDebug", true);
  }
  void TearDown() override { std::filesystem::remove_all(directory_); }

  std::filesystem::path directory_;
};

TEST_P(DebugSettings, ChangesOnlyWhatItNames) {
  storeDebugSettings(GetParam().options);
  UserDefaults& store = UserDefaults::standard();
  EXPECT_EQ(store.string("h5DebugHost"), GetParam().debugHost);
  EXPECT_EQ(store.boolean("h5IsDebug"), GetParam().debugHost.has_value());
  EXPECT_EQ(store.string("loginUserToken").has_value(), GetParam().loggedIn);
}

INSTANTIATE_TEST_SUITE_P(
    Options, DebugSettings,
    ::testing::Values(Case{"none", {}, "old:8080", true},
                      Case{"newHost", with([](DemoOptions& o) { o.debugHost = "new:9000"; }), "new:9000", true},
                      Case{"forget", with([](DemoOptions& o) { o.forgetDebugHost = true; }), std::nullopt, true},
                      Case{"reset", with([](DemoOptions& o) { o.reset = true; }), std::nullopt, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zephro::demo
