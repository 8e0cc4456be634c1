// Loads, scripts, delegates and engine creation of the web view model.
#include <gtest/gtest.h>

#include "web_test_support.h"
#include "zephro/platform/headless/headless_main_loop.h"

namespace zephro::platform::web {
namespace {

using headless::engineOf;
using headless::LoadKind;

URL url(const char* text) { return *URL::parse(text); }

class WebViewTest : public ::testing::Test {
 protected:
  std::shared_ptr<headless::HeadlessMainLoop> loop = headless::HeadlessMainLoop::install();
  std::shared_ptr<WebView> view = WebView::make({}, WebViewConfiguration::make());
};

TEST_F(WebViewTest, LoadsReachTheEngineWithTheirRootOrRequestSettings) {
  view->loadFileURL(url("file:///bundle/home/index.html?id=3"), url("file:///bundle/"));
  view->loadRequest({url("http://dev:8080/a/index.html"), CachePolicy::returnCacheDataElseLoad, 60});
  // Not loadable: a non-file URL as a file, a request without a URL.
  view->loadFileURL(url("http://host/index.html"), url("file:///bundle/"));
  view->loadFileURL(url("file:///bundle/index.html"), url("https://host/"));
  view->loadRequest(URLRequest{});

  const auto& loads = engineOf(*view)->loads();
  ASSERT_EQ(loads.size(), 2u);
  EXPECT_EQ(loads[0].kind, LoadKind::file);
  EXPECT_EQ(loads[0].url, url("file:///bundle/home/index.html?id=3"));
  EXPECT_EQ(loads[0].readAccessRoot, url("file:///bundle/"));
  EXPECT_EQ(loads[1].kind, LoadKind::request);
  EXPECT_EQ(loads[1].cachePolicy, CachePolicy::returnCacheDataElseLoad);
  EXPECT_EQ(loads[1].timeoutInterval, 60);
  EXPECT_EQ(view->url(), url("http://dev:8080/a/index.html"));
}

// The first script of a pass goes at once; those after it in the same pass
// go together when it ends, and the next pass starts over.
TEST_F(WebViewTest, QueuedScriptsAfterTheFirstOfAPassGoTogetherWhenItEnds) {
  view->queueJavaScript("a");
  view->queueJavaScript("b");
  view->queueJavaScript("c");
  auto gone = WebView::make({}, nullptr);
  gone->queueJavaScript("at once");
  gone->queueJavaScript("lost with its view");
  gone.reset();
  EXPECT_EQ(engineOf(*view)->scriptBatches(), (std::vector<std::vector<std::string>>{{"a"}}));
  loop->drain();
  view->queueJavaScript("d");
  loop->drain();
  EXPECT_EQ(engineOf(*view)->scriptBatches(), (std::vector<std::vector<std::string>>{{"a"}, {"b", "c"}, {"d"}}));
}

// A direct evaluation or a load reaches the page after what was queued before it.
TEST_F(WebViewTest, DirectEvaluationsAndLoadsComeAfterQueuedScripts) {
  view->queueJavaScript("at once");
  view->queueJavaScript("queued 1");
  view->evaluateJavaScript("direct");
  view->queueJavaScript("queued 2");
  view->loadRequest({url("http://dev/index.html")});
  EXPECT_EQ(engineOf(*view)->evaluatedScripts(),
            (std::vector<std::string>{"at once", "queued 1", "direct", "queued 2"}));
  loop->drain();
  EXPECT_EQ(engineOf(*view)->evaluatedScripts().size(), 4u);
}

// The engine is made once the subclass is complete, so it sees the class name.
TEST(EngineFactoryTest, EnginesAreMadeForTheFullyConstructedSubclass) {
  std::string madeFor;
  setEngineFactory([&](WebView& view, WebViewEngineClient client) {
    madeFor = view.className();
    return headless::HeadlessWebEngine::make(view, std::move(client));
  });
  auto page = std::make_shared<testing::PageWebView>(ui::Rect{}, nullptr);
  page->setInspectable(true);
  setEngineFactory({});
  EXPECT_EQ(madeFor, "PageWebView");
  EXPECT_TRUE(engineOf(*page)->isInspectable());
  EXPECT_TRUE(page->description().starts_with("<PageWebView 0x")) << page->description();
  page->loadFileURL(url("file:///b/p/index.html"), url("file:///b/"));
  EXPECT_TRUE(page->description().ends_with("; url=file:///b/p/index.html>")) << page->description();
}

}  // namespace
}  // namespace zephro::platform::web
