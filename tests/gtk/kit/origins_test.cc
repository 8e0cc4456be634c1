// Pages of other origins, on a local web server, meet the kit's pages: a site
// a bundle page links to, an origin the host trusts, and an iframe.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/gtk/kit/kit_on_gtk.h"
#include "tests/gtk/support/local_http_server.h"
#include "zephro/h5/h5_manager.h"
#include "zephro/platform/foundation/user_defaults.h"
#include "zephro/sdk/login_info_store.h"

namespace zephro::testing::gtk {
namespace {

using nlohmann::json;

constexpr const char* kProbePage = R"(<!doctype html><meta charset="utf-8">
<script src="/shared/bridge.js"></script><script src="/shared/probe.js"></script><h1>web site</h1>)";

// Tells its parent whether it, and an about:blank frame it makes, can see the
// bridge, and tries both anyway: a push and a getToken whose answer would land
// in the parent's page.
constexpr const char* kFramePage = R"(<!doctype html><script>
var child = document.documentElement.appendChild(document.createElement('iframe')).contentWindow;
var seen = typeof window.webkit.messageHandlers + ' ' + typeof child.webkit.messageHandlers;
[window, child].forEach(function (w) {
  [{scope: 'window', method: 'push', params: {route: 'detail'}}, {scope: 'app', method: 'getToken', invokeId: 990}]
      .forEach(function (message) {
        try { w.webkit.messageHandlers.jsb.postMessage(JSON.stringify(message)); } catch (e) {}
      });
});
parent.postMessage(seen, '*');
</script>)";

class OriginsOnGtkTest : public KitOnGtkTest {
 protected:
  OriginsOnGtkTest() {
    server.serve("/other.html", kProbePage);
    server.serve("/frame.html", kFramePage);
    server.serve("/shared/bridge.js", fileText("examples/dist/shared/bridge.js"), "application/javascript");
    server.serve("/shared/probe.js", fileText("tests/gtk/kit/probe/probe.js"), "application/javascript");
    platform::foundation::UserDefaults::standard().set(kLoginUserTokenKey, std::string("tok"));
  }

  std::string fileText(const std::string& path) const {
    std::ifstream in(sourceDirectory() / path);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  // Clicks a link to `url` in the page and waits for the page there.
  static bool follow(Page& page, const std::string& url, const std::string& expectedOrigin) {
    read(page, "var a = document.createElement('a'); a.href = '" + url +
                   "'; document.body.appendChild(a); a.click(), true");
    return spinUntil([&] { return read(page, "location.origin") == json(expectedOrigin).dump(); }) &&
           awaitProbe(page);
  }

  LocalHttpServer server;
};

TEST_F(OriginsOnGtkTest, ALinkedSiteGetsNoGlobalsNorBridgeAndGoingBackRestoresBoth) {
  openHome();
  auto page = topPage();
  ASSERT_TRUE(page);
  const auto names = stackNames();
  ASSERT_TRUE(follow(*page, server.origin() + "/other.html", server.origin()));

  EXPECT_EQ(readJson(*page, "probe.globals"), json::object());
  EXPECT_EQ(read(*page, "typeof window.webkit.messageHandlers"), "\"undefined\"");
  send(*page, "window", "push", "{route: 'detail'}");
  EXPECT_TRUE(call(*page, "app", "getToken").is_discarded());
  EXPECT_EQ(stackNames(), names);
  EXPECT_EQ(read(*page, "probe.responses"), "0");

  read(*page, "history.back(), true");
  ASSERT_TRUE(spinUntil([&] { return read(*page, "location.protocol") == "\"file:\""; }) && awaitProbe(*page));
  EXPECT_EQ(readJson(*page, "probe.globals")["token"], "tok");
  EXPECT_EQ(call(*page, "app", "getToken")["responseBody"]["token"], "tok");
}

TEST_F(OriginsOnGtkTest, AnOriginTheHostTrustsWorksLikeTheBundle) {
  const std::string trusted = server.origin("localhost");
  ASSERT_TRUE(H5Manager::shared().addTrustedOrigin(trusted));
  openHome();
  auto page = topPage();
  ASSERT_TRUE(page);
  ASSERT_TRUE(follow(*page, trusted + "/other.html", trusted));

  EXPECT_EQ(readJson(*page, "probe.globals")["token"], "tok");
  EXPECT_EQ(call(*page, "app", "getToken")["responseBody"]["token"], "tok");
  send(*page, "window", "push", "{route: 'detail'}");
  EXPECT_TRUE(spinUntil([this] { return stackNames().back() == "detail"; }));
}

// WebKit does not say which frame posted a message: the web-process extension
// keeps the bridge from the frame itself.
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
