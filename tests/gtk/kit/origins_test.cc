// Pages of other origins, on a local web server, meet the kit's pages.
#include <gtest/gtest.h>

#include <fstream>

#include "tests/gtk/kit/kit_on_gtk.h"
#include "tests/gtk/support/local_page_server.h"
#include "zephro/testing/scratch_directory.h"
#include "zephro/h5/h5_manager.h"
#include "zephro/platform/foundation/user_defaults.h"
#include "zephro/sdk/login_info_store.h"

namespace zephro::testing::gtk {
namespace {

using nlohmann::json;

constexpr const char* kProbePage = R"(<!doctype html><meta charset="utf-8">
<script src="/shared/bridge.js"></script><script src="/shared/probe.js"></script><h1>web site</h1>)";

// Reports whether it, and an about:blank frame it makes, see the handlers,
// and tries both anyway: a push, and a getToken answered into the parent.
constexpr const char* kFramePage = R"(<!doctype html><script>
var child = document.documentElement.appendChild(document.createElement('iframe')).contentWindow;
var seen = typeof window.webkit.messageHandlers + ' ' + typeof child.webkit.messageHandlers;
[window, child].forEach(function (w) {
  ['{"scope":"window","method":"push","params":{"route":"detail"}}', '{"scope":"app","method":"getToken","invokeId":9}']
      .forEach(function (message) { try { w.webkit.messageHandlers.jsb.postMessage(message); } catch (e) {} });
});
parent.postMessage(seen, '*');
</script>)";

class OriginsOnGtkTest : public KitOnGtkTest {
 protected:
  OriginsOnGtkTest() {
    std::ofstream(site / "other.html") << kProbePage;
    std::ofstream(site / "frame.html") << kFramePage;
    std::filesystem::create_directory(site / "shared");
    std::filesystem::copy_file(sourceDirectory() / "examples/dist/shared/bridge.js", site / "shared/bridge.js");
    std::filesystem::copy_file(sourceDirectory() / "tests/gtk/kit/probe/probe.js", site / "shared/probe.js");
    platform::foundation::UserDefaults::standard().set(kLoginUserTokenKey, std::string("tok"));
  }
  // A page closed on a web site leaves a web process of its own going down;
  // a page loaded meanwhile by the next test stays blank.
  ~OriginsOnGtkTest() override { spinFor(500ms); }

  // Clicks a link to `origin` + "/other.html" and waits for its probe.
  static bool follow(Page& page, const std::string& origin) {
    read(page, "var a = document.createElement('a'); a.href = '" + origin +
                   "/other.html'; document.body.appendChild(a); a.click(), true");
    return spinUntil([&] { return read(page, "location.origin") == json(origin).dump(); }) && awaitProbe(page);
  }

  ScratchDirectory site;
  LocalPageServer server{site.path()};
};

TEST_F(OriginsOnGtkTest, ALinkedSiteGetsNoGlobalsNorBridgeAndGoingBackRestoresBoth) {
  openHome();
  auto page = topPage();
  const auto names = stackNames();
  ASSERT_TRUE(page && follow(*page, server.origin()));

  EXPECT_EQ(readJson(*page, "probe.globals"), json::object());
  EXPECT_EQ(read(*page, "typeof window.webkit.messageHandlers"), "\"undefined\"");
  send(*page, "window", "push", "{route: 'detail'}");
  EXPECT_TRUE(call(*page, "app", "getToken").is_discarded());
  EXPECT_EQ(stackNames(), names);

  read(*page, "history.back(), true");
  ASSERT_TRUE(spinUntil([&] { return read(*page, "location.protocol") == "\"file:\""; }) && awaitProbe(*page));
  EXPECT_EQ(readJson(*page, "probe.globals")["token"], "tok");
  EXPECT_EQ(call(*page, "app", "getToken")["responseBody"]["token"], "tok");
}

TEST_F(OriginsOnGtkTest, AnOriginTheHostTrustsWorksLikeTheBundle) {
  std::string trusted = server.origin();  // the same server under another origin
  trusted.replace(trusted.find("127.0.0.1"), 9, "localhost");
  ASSERT_TRUE(H5Manager::shared().addTrustedOrigin(trusted));
  openHome();
  auto page = topPage();
  ASSERT_TRUE(page && follow(*page, trusted));

  EXPECT_EQ(readJson(*page, "probe.globals")["token"], "tok");
  EXPECT_EQ(call(*page, "app", "getToken")["responseBody"]["token"], "tok");
  send(*page, "window", "push", "{route: 'detail'}");
  EXPECT_TRUE(spinUntil([this] { return stackNames().back() == "detail"; }));
}

// WebKit does not say which frame posted: the frame itself must lack the way.
TEST_F(OriginsOnGtkTest, AnIframeOfAnotherOriginCannotReachTheBridge) {
  openHome();
  auto page = topPage();
  ASSERT_TRUE(page);
  const auto names = stackNames();
  read(*page, "window.addEventListener('message', function (e) { probe.frameSaw = e.data; }); "
              "var frame = document.createElement('iframe'); frame.src = '" + server.origin() +
                  "/frame.html'; document.body.appendChild(frame), true");
  ASSERT_TRUE(spinUntil([&] { return read(*page, "probe.frameSaw !== undefined") == "true"; }));

  EXPECT_EQ(read(*page, "probe.frameSaw"), "\"undefined undefined\"");
  spinFor(500ms);
  EXPECT_EQ(stackNames(), names);
  EXPECT_EQ(read(*page, "probe.responses"), "0");
  EXPECT_EQ(read(*page, "typeof window.webkit.messageHandlers.jsb"), "\"object\"");  // the page keeps it
}

}  // namespace
}  // namespace zephro::testing::gtk
