// The demo's debug options change only what they name in the kit's store.
#include "debug_settings.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "zephro/platform/foundation/user_defaults.h"

namespace zephro::demo {
namespace {

using platform::foundation::UserDefaults;

TEST(DebugSettings, ChangeOnlyWhatTheyName) {
  struct Case {
    DemoOptions options;
    std::optional<std::string> hostLeft;
    bool stillLoggedIn;
  };
  const Case cases[] = {{{}, "old:8080", true},
                        {{.debugHost = "new:9000"}, "new:9000", true},
                        {{.forgetDebugHost = true}, std::nullopt, true},
                        {{.reset = true}, std::nullopt, false}};
  char pattern[] = "/tmp/demo-store-XXXXXX";
  const std::filesystem::path directory = mkdtemp(pattern);
  for (const Case& c : cases) {
    UserDefaults::setStandardStorePath(directory / std::to_string(&c - cases));
    UserDefaults& store = UserDefaults::standard();
    store.set("loginUserToken", std::string("token"));
    store.set("h5DebugHost", std::string("old:8080"));
    store.set("h5IsDebug", true);
    storeDebugSettings(c.options);
    EXPECT_EQ(store.string("h5DebugHost"), c.hostLeft);
    EXPECT_EQ(store.boolean("h5IsDebug"), c.hostLeft.has_value());
    EXPECT_EQ(store.string("loginUserToken").has_value(), c.stillLoggedIn);
  }
  std::filesystem::remove_all(directory);
}

}  // namespace
}  // namespace zephro::demo
