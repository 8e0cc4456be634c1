// What a page's call is, which handler serves it, and what that is given.
#include <gtest/gtest.h>

#include "bridge_doubles.h"
#include "zephro/bridge/h5_content_web_view.h"
#include "zephro/bridge/jsb_manager.h"
#include "zephro/json/json_decoder.h"
#include "zephro/json/json_encoder.h"

namespace zephro {
namespace {

using testing::NavigatingOnly;
using testing::PageScreen;
using testing::RecordingScope;

TEST(WebViewInvoke, DecodesAndValidates) {
  // Text, then whether it decodes and whether the call is valid.
  const std::tuple<const char*, bool, bool> cases[] = {
      {R"({"scope":"app","method":"getToken","params":{},"invokeId":12})", true, true},
      {R"({"scope":"app","method":"m","params":null,"invokeId":null,"x":[1]})", true, true},
      {"{}", true, false},
      {R"({"scope":"","method":"m"})", true, false},
      {R"({"scope":"app","method":""})", true, false},
      {R"({"scope":"app","method":"m","invokeId":"5"})", false, false},
      {R"({"scope":"app","method":"m","params":[]})", false, false},
      {R"({"scope":"app","method":true})", false, false}};
  for (const auto& [body, decodes, valid] : cases) {
    try {
      EXPECT_EQ(JSONDecoder().decode<WebViewInvoke>(body).isValid(), valid) << body;
      EXPECT_TRUE(decodes) << body;
    } catch (const DecodingError&) {
      EXPECT_FALSE(decodes) << body;
    }
  }
}

TEST(WebViewInvoke, RoundTripsWithItsFullIdAndNestedParams) {
  const char* text =
      R"({"scope":"s","method":"m","params":{"b":true,"n":null,"o":{"k":[1]}},"invokeId":-9007199254740993})";
  auto invoke = JSONDecoder().decode<WebViewInvoke>(text);
  EXPECT_EQ(invoke.invokeId, -9007199254740993);
  EXPECT_EQ(JSONEncoder().encode(invoke), text);
}

WebViewInvoke call(const char* scope, std::optional<std::int64_t> id = std::nullopt) {
  return WebViewInvoke{scope, "m", std::nullopt, id};
}

class JSBManagerTest : public ::testing::Test {
 protected:
  bool dispatch(const WebViewInvoke& invoke, const std::shared_ptr<platform::web::WebView>& from) {
    return manager.dispatch(invoke, from, [this](const WebViewResponse&, std::int64_t id) { sentIds.push_back(id); });
  }
  static std::shared_ptr<H5ContentWebView> contentWebView() {
    return std::make_shared<H5ContentWebView>(platform::ui::Rect{}, nullptr);
  }

  JSBManager manager;
  std::shared_ptr<RecordingScope> app = std::make_shared<RecordingScope>();
  std::shared_ptr<H5ContentWebView> webView = contentWebView();
  std::vector<std::int64_t> sentIds;
};

TEST_F(JSBManagerTest, ScopeNamesAreExactAndTheNewestRegistrationServes) {
  auto older = std::make_shared<RecordingScope>();
  manager.registerScope(older, "app");
  manager.registerScope(app, "app");
  EXPECT_FALSE(dispatch(call("App"), webView));
  EXPECT_FALSE(dispatch(call("event"), webView));
  EXPECT_TRUE(dispatch(call("app"), webView));
  EXPECT_EQ(app->invokes.size(), 1u);
  EXPECT_TRUE(older->invokes.empty());
  EXPECT_EQ(manager.scopeMap().size(), 1u);
}

TEST_F(JSBManagerTest, TheCallbackAnswersWithTheInvokeIdOrMinusOneAsOftenAsCalled) {
  app->answers = 2;
  manager.registerScope(app, "app");
  dispatch(call("app", 12), webView);
  dispatch(call("app"), webView);
  EXPECT_EQ(sentIds, (std::vector<std::int64_t>{12, 12, -1, -1}));
  EXPECT_EQ(app->webviews[0].lock(), webView);
}

TEST_F(JSBManagerTest, OnlyContentWebViewsAreHandedToTheScope) {
  manager.registerScope(app, "app");
  dispatch(call("app"), platform::web::WebView::make({}, nullptr));
  dispatch(call("app"), nullptr);
  ASSERT_EQ(app->invokes.size(), 2u);
  EXPECT_TRUE(app->webviews[0].expired());
  EXPECT_TRUE(app->webviews[1].expired());
}

TEST_F(JSBManagerTest, CurrentPageReachesThePageScreenOfTheCallingWebViewOnly) {
  auto registered = std::make_shared<RecordingScope>();
  manager.registerScope(registered, "currentPage");
  auto page = std::make_shared<PageScreen>();
  webView->setViewController(page);
  EXPECT_TRUE(dispatch(call("currentPage", 4), webView));
  EXPECT_FALSE(dispatch(call("CurrentPage"), webView));
  ASSERT_EQ(page->invokes.size(), 1u);
  EXPECT_EQ(page->webviews[0].lock(), webView);

  // Other web views, and this one once its screen is gone, use the registry.
  dispatch(call("currentPage"), contentWebView());
  page.reset();
  dispatch(call("currentPage"), webView);
  EXPECT_EQ(registered->invokes.size(), 2u);
  // A screen that navigates but does not serve the page scope is not enough.
  auto screen = std::make_shared<NavigatingOnly>();
  webView->setViewController(screen);
  EXPECT_TRUE(dispatch(call("currentPage"), webView));
  EXPECT_EQ(registered->invokes.size(), 3u);
}

}  // namespace
}  // namespace zephro
