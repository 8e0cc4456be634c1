// Which handler serves a call, and what it is given.
#include <gtest/gtest.h>

#include "bridge_doubles.h"
#include "zephro/bridge/h5_content_web_view.h"
#include "zephro/bridge/jsb_manager.h"
#include "zephro/json/json_decoder.h"

namespace zephro {
namespace {

using testing::NavigatingOnly;
using testing::PageScreen;
using testing::RecordingScope;

WebViewInvoke call(const char* scope, std::optional<std::int64_t> id = std::nullopt) {
  return WebViewInvoke{scope, "m", std::nullopt, id};
}

class JSBManagerTest : public ::testing::Test {
 protected:
  bool dispatch(const WebViewInvoke& invoke, const std::shared_ptr<platform::web::WebView>& from) {
    return manager.dispatch(invoke, from, [this](const WebViewResponse&, std::int64_t id) { sentIds.push_back(id); });
  }

  JSBManager manager;
  std::shared_ptr<RecordingScope> app = std::make_shared<RecordingScope>();
  std::shared_ptr<H5ContentWebView> webView = std::make_shared<H5ContentWebView>(platform::ui::Rect{}, nullptr);
  std::vector<std::int64_t> sentIds;
};

TEST_F(JSBManagerTest, ScopeNamesAreExact) {
  manager.registerScope(app, "app");
  EXPECT_FALSE(dispatch(call("App"), webView));
  EXPECT_FALSE(dispatch(call("event"), webView));
  EXPECT_TRUE(app->invokes.empty());
  EXPECT_TRUE(dispatch(call("app"), webView));
  EXPECT_EQ(app->invokes.size(), 1u);
}

TEST_F(JSBManagerTest, RegisteringAgainReplaces) {
  auto second = std::make_shared<RecordingScope>();
  manager.registerScope(app, "app");
  manager.registerScope(second, "app");
  dispatch(call("app"), webView);
  EXPECT_TRUE(app->invokes.empty());
  EXPECT_EQ(second->invokes.size(), 1u);
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
  EXPECT_EQ(app->invokes.size(), 2u);
  EXPECT_TRUE(app->webviews[0].expired());
  EXPECT_TRUE(app->webviews[1].expired());
}

TEST_F(JSBManagerTest, CurrentPageReachesThePageScreenOfTheCallingWebView) {
  auto registered = std::make_shared<RecordingScope>();
  manager.registerScope(registered, "currentPage");
  auto page = std::make_shared<PageScreen>();
  webView->setViewController(page);

  EXPECT_TRUE(dispatch(call("currentPage", 4), webView));
  EXPECT_EQ(page->invokes.size(), 1u);
  EXPECT_EQ(page->webviews[0].lock(), webView);
  EXPECT_TRUE(registered->invokes.empty());

  // Other web views, and this one once its screen is gone, use the registry.
  dispatch(call("currentPage"), std::make_shared<H5ContentWebView>(platform::ui::Rect{}, nullptr));
  page.reset();
  dispatch(call("currentPage"), webView);
  EXPECT_EQ(registered->invokes.size(), 2u);
}

TEST_F(JSBManagerTest, CurrentPageNeedsAScreenThatServesIt) {
  auto screen = std::make_shared<NavigatingOnly>();
  webView->setViewController(screen);
  EXPECT_FALSE(dispatch(call("currentPage"), webView));
  auto page = std::make_shared<PageScreen>();
  webView->setViewController(page);
  EXPECT_FALSE(dispatch(call("CurrentPage"), webView));
  EXPECT_TRUE(page->invokes.empty());
}

}  // namespace
}  // namespace zephro
