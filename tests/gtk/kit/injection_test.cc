// Hostile texts through every way native code writes text into a page's
// script: start-up globals, event names and data, socket reports, page
// queries and parameters. Each must arrive exactly and none may run.
#include <gtest/gtest.h>

#include "tests/gtk/kit/kit_on_gtk.h"
#include "zephro/platform/foundation/user_defaults.h"
#include "zephro/sdk/login_info_store.h"

namespace zephro::testing::gtk {
namespace {

using nlohmann::json;

class InjectionOnGtkTest : public KitOnGtkTest, public ::testing::WithParamInterface<const char*> {
 protected:
  // The text as a script string literal (ASCII only, so the test's own
  // quoting cannot be at fault).
  static std::string literal(const std::string& text) { return json(text).dump(-1, ' ', true); }
  static bool nothingRan(Page& page) { return read(page, "window.__pwned === undefined") == "true"; }
};

TEST_P(InjectionOnGtkTest, TextArrivesExactlyAndNothingRuns) {
  const std::string text = GetParam();
  auto& config = ZephroSdk4TolmarRunner::cloudConfig();
  for (auto setter : {&ZephroCloudConfig::setAppKey, &ZephroCloudConfig::setRegionId, &ZephroCloudConfig::setLanguage,
                      &ZephroCloudConfig::setCountryCode, &ZephroCloudConfig::setAppVersion,
                      &ZephroCloudConfig::setBaseURL}) {
    (config.*setter)(text);
  }
  platform::foundation::UserDefaults::standard().set(kLoginUserTokenKey, text);
  platform::foundation::UserDefaults::standard().set("homeId", text);

  openHome();
  auto login = topPage();
  ASSERT_TRUE(login);
  const json globals = readJson(*login, "probe.globals");
  ASSERT_EQ(globals.size(), 8u);
  for (const auto& [name, value] : globals.items()) {
    EXPECT_EQ(value, text) << name;
  }

  // Page to page, and from the socket.
  send(*login, "event_handler", "forwardEvent", "{eventName: " + literal(text) + ", eventData: " + literal(text) + "}");
  socket->receive(json({{"messageType", "DeviceReport"}, {"name", "Normal"}, {"data", {{"text", text}}}}).dump());
  const std::string events = "probe.events.filter(function (e) { return e[0] !== 'reload'; })";
  ASSERT_TRUE(spinUntil([&] { return readJson(*login, events).size() == 2; }));
  json received = readJson(*login, events);
  EXPECT_EQ(received[0], json::array({text, text}));
  EXPECT_EQ(json::parse(received[1][1].get<std::string>(), nullptr, false), json({{"text", text}}));

  // Into a page's query and parameters.
  send(*login, "window", "push", "{route: 'detail', params: {q: " + literal(text) + "}}");
  ASSERT_TRUE(spinUntil([this] { return stackNames().size() == 3; }));
  auto detail = topPage();
  ASSERT_TRUE(detail && awaitProbe(*detail));
  EXPECT_EQ(readJson(*detail, "probe.queryValue('q')"), text);
  EXPECT_EQ(call(*detail, "currentPage", "getPageParams")["responseBody"]["params"]["q"], text);

  EXPECT_TRUE(nothingRan(*login));
  EXPECT_TRUE(nothingRan(*detail));
}

INSTANTIATE_TEST_SUITE_P(Corpus, InjectionOnGtkTest,
                         ::testing::Values("quote\"double'single", R"(back\slash\\ \u0041 \x41)",
                                           "</script><script>window.__pwned=1</script>", "line\u2028para\u2029end",
                                           "'); alert(1); ('", "\"); window.__pwned = 1; (\"",
                                           "tab\tnew\nline\r", "`${window.__pwned = 1}`", "中文 ✓ 😀",
                                           "&a=b #hash %20 %zz + ?x"));

}  // namespace
}  // namespace zephro::testing::gtk
