// Every bridge scope and method called by a real page over the real bridge.
#include <gtest/gtest.h>

#include "tests/gtk/kit/kit_on_gtk.h"
#include "zephro/bridge/jsb_manager.h"
#include "zephro/platform/foundation/application.h"

namespace zephro::testing::gtk {
namespace {

using nlohmann::json;

using BridgeOnGtkTest = KitOnGtkTest;

// One page makes the calls in this order; later rows see what earlier rows stored.
struct Call {
  const char* scope;
  const char* method;
  const char* params;
  const char* answer;  // null: the call must stay unanswered
};

constexpr Call kCalls[] = {
    {"app", "getToken", "undefined", R"({"responseBody":{"token":null},"success":true})"},
    {"app", "getLoginUserInfo", "undefined", R"({"success":true})"},
    {"app", "setLoginUserInfo", R"({userToken: {accessToken: "T1"}, name: "Ann"})", R"({"success":true})"},
    {"app", "getLoginUserInfo", "undefined",
     R"({"responseBody":{"userToken":{"accessToken":"T1"},"name":"Ann"},"success":true})"},
    {"app", "getToken", "undefined", R"({"responseBody":{"token":"T1"},"success":true})"},
    {"app", "setUserDefaults", R"({key: "k", value: {list: [1, null, "x"]}})", nullptr},
    {"app", "getUserDefaults", R"({key: "k"})", R"({"responseBody":{"value":{"list":[1,null,"x"]}},"success":true})"},
    {"app", "setUserDefaults", R"({key: "k", value: null})", nullptr},
    {"app", "getUserDefaults", R"({key: "k"})", R"({"responseBody":{"value":null},"success":true})"},
    {"app", "getUserDefaults", R"({key: 5})", nullptr},
    {"app", "noSuchMethod", "undefined", nullptr},
    {"currentPage", "getPageParams", "undefined", R"({"success":true})"},
    {"currentPage", "pickImage", "undefined", nullptr},
    {"currentPage", "noSuchMethod", "undefined", nullptr},
    {"event_handler", "forwardEvent", R"({eventName: "e"})", nullptr},
    {"noSuchScope", "getToken", "undefined", nullptr},
};

TEST_F(BridgeOnGtkTest, EveryScopeAnswersItsCallsAndKeepsSilentOnTheRest) {
  openHome();
  auto page = topPage();
  ASSERT_TRUE(page);
  for (const Call& row : kCalls) {
    SCOPED_TRACE(std::string(row.scope) + "." + row.method + " " + row.params);
    if (row.answer) {
      EXPECT_EQ(call(*page, row.scope, row.method, row.params), json::parse(row.answer));
    } else {
      EXPECT_TRUE(callIsSilent(*page, row.scope, row.method, row.params));
    }
  }
  // The login went to the socket manager too.
  EXPECT_EQ(socket->token(), "T1");
}

// Answers with a payload that is no script expression, so its answer cannot parse.
class MalformedAnswerScope : public JSBImplement {
 public:
  void handle(const JSBInvocation&, JSBCallback callback) override {
    callback(WebViewResponse{Data{'{'}, std::nullopt, true});
  }
};

// The page fires its calls without waiting; its answer handler throws now and
// then. Each call is answered once, in order, with the forwarded events in
// their places; an answer that cannot parse or whose handler throws costs
// nothing but itself.
TEST_F(BridgeOnGtkTest, ABurstOfCallsIsAnsweredOnceEachInOrder) {
  constexpr int kCalls = 3000;
  JSBManager::shared().registerScope(std::make_shared<MalformedAnswerScope>(), "malformed");
  openHome();
  auto page = topPage();
  ASSERT_TRUE(page);
  read(*page, R"((function () {
    window.log = [];
    var onResponse = window.__jsb.onResponse, emit = window.__eventBus.emit;
    window.__jsb.onResponse = function (payload, id) {
      log.push(id);
      if (id % 100 === 7) throw new Error('the page failed on this answer');
      return onResponse.apply(this, arguments);
    };
    window.__eventBus.emit = function (name, data) { log.push(name + ' ' + data); return emit.apply(this, arguments); };
    for (var id = 1; id <= )" + std::to_string(kCalls) + R"(; id++) {
      var scope = id % 250 === 3 ? 'malformed' : 'app';
      webkit.messageHandlers.jsb.postMessage(JSON.stringify({scope: scope, method: 'getToken', invokeId: id}));
      if (id % 500 === 0) zephro.forwardEvent('tick', String(id));
    }
    return true;
  })())");
  json expected = json::array();
  for (int id = 1; id <= kCalls; ++id) {
    if (id % 250 != 3) expected.push_back(id);
    if (id % 500 == 0) expected.push_back("tick " + std::to_string(id));
  }
  const std::string size = std::to_string(expected.size());
  EXPECT_TRUE(spinUntil([&] { return read(*page, "log.length") == size; }));
  EXPECT_EQ(readJson(*page, "log"), expected);
}

TEST_F(BridgeOnGtkTest, ResourceAddressesServeFilesOfTheTemporaryDirectory) {
  openHome();
  auto page = topPage();
  ASSERT_TRUE(page);
  const auto icon = platform::foundation::temporaryDirectory() / "bridge-test-icon.png";
  std::filesystem::copy_file(sourceDirectory() / "resources/bundle/tab/home.png", icon,
                             std::filesystem::copy_options::overwrite_existing);

  read(*page, "probe.loadImage('shown', 'resource://bridge-test-icon.png')");
  read(*page, "probe.loadImage('missing', 'resource://no-such-icon.png')");
  read(*page, "fetch('resource://bridge-test-icon.png').then(function (r) { return r.blob(); })"
              ".then(function (b) { probe.answers.type = b.type; }); true");
  EXPECT_TRUE(spinUntil([&] { return read(*page, "Object.keys(probe.answers).length") == "3"; }));
  EXPECT_GT(readJson(*page, "probe.answers.shown").value("width", 0), 0);
  EXPECT_EQ(read(*page, "probe.answers.missing"), R"("error")");
  EXPECT_EQ(read(*page, "probe.answers.type"), R"("image/png")");
  std::filesystem::remove(icon);
}

}  // namespace
}  // namespace zephro::testing::gtk
