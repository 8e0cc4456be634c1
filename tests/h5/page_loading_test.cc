// Where pages come from, how they are addressed, and how they are loaded.
#include <gtest/gtest.h>

#include "zephro/testing/kit_test.h"
#include "zephro/h5/h5_manager.h"
#include "zephro/h5/load_h5_page.h"
#include "zephro/h5/page_path.h"
#include "zephro/h5/page_query.h"

namespace zephro {
namespace {

using platform::headless::LoadKind;

class PageLoadingTest : public testing::KitTest {
 protected:
  std::vector<platform::headless::RecordedLoad> loads() { return testing::loadsOf(*webView); }

  H5Manager& manager = H5Manager::shared();
  std::shared_ptr<platform::web::WebView> webView = platform::web::WebView::make({}, nullptr);
};

TEST_F(PageLoadingTest, DebugUrlJoinsHostPageAndIndexAsPlainText) {
  manager.setupDebug("http://10.0.0.2:3000");
  EXPECT_EQ(manager.debugUrl("home")->absoluteString(), "http://10.0.0.2:3000/home/index.html");
  manager.setDebugHost("http://10.0.0.2:3000/");
  EXPECT_EQ(manager.debugUrl("home")->absoluteString(), "http://10.0.0.2:3000//home/index.html");
  manager.setDebugHost("");
  EXPECT_EQ(manager.debugUrl("home")->absoluteString(), "/home/index.html");
  EXPECT_EQ(manager.debugUrl("my page"), std::nullopt);
}

TEST_F(PageLoadingTest, PageUrlFindsOnlyExistingIndexFilesInsideTheBundle) {
  EXPECT_EQ(manager.rootUrl()->fileSystemPath(), bundle.path() / "dist");
  EXPECT_EQ(manager.pageUrl("home")->fileSystemPath(), bundle.path() / "dist/home/index.html");
  EXPECT_EQ(manager.pageUrl("a/b")->fileSystemPath(), bundle.path() / "dist/a/b/index.html");
  EXPECT_EQ(manager.pageUrl("missing"), std::nullopt);
  bundle.addPage("my page");
  EXPECT_TRUE(manager.pageUrl("my page"));
  // A page outside "dist" exists but must not be reachable by climbing.
  bundle.addPage("secret", "private");
  EXPECT_EQ(manager.pageUrl("../private/secret"), std::nullopt);

  manager.setBundlePath("private");
  EXPECT_EQ(manager.rootUrl()->fileSystemPath(), bundle.path() / "private");
  EXPECT_EQ(manager.pageUrl("/secret/")->fileSystemPath(), bundle.path() / "private/secret/index.html");
  EXPECT_EQ(manager.pageUrl("home"), std::nullopt);
  manager.setBundlePath("dist");
}

TEST(PagePath, JoinsWithOneSlashAndFindsClimbingSegments) {
  EXPECT_EQ(appendingPathComponent("dist/", "/a/b/"), "dist/a/b");
  EXPECT_EQ(appendingPathComponent("dist", ""), "dist");
  EXPECT_EQ(appendingPathComponent("", "home"), "home");
  EXPECT_TRUE(climbsOutOfBundle("a/../../x"));
  EXPECT_FALSE(climbsOutOfBundle("a..b/c"));
  EXPECT_FALSE(climbsOutOfBundle("..home"));
}

TEST_F(PageLoadingTest, BundleModeLoadsTheFileWithReadAccessToTheWholeBundle) {
  loadH5Page(*webView, "home", "?id=3");
  loadH5Page(*webView, "home", "?a b");                         // a query that does not resolve is dropped
  EXPECT_FALSE(loadH5Page(*webView, "nowhere", std::nullopt));  // not in the bundle: no load
  ASSERT_EQ(loads().size(), 2u);
  EXPECT_EQ(loads()[0].kind, LoadKind::file);
  EXPECT_EQ(loads()[0].url.fileSystemPath(), bundle.path() / "dist/home/index.html");
  EXPECT_EQ(loads()[0].url.query(), "id=3");
  EXPECT_EQ(loads()[0].readAccessRoot->fileSystemPath(), bundle.path() / "dist");
  EXPECT_EQ(loads()[1].url.query(), std::nullopt);
  EXPECT_EQ(loads()[1].url.fileSystemPath(), bundle.path() / "dist/home/index.html");
}

// The switch is read at each call; tests may shorten the timeout.
TEST_F(PageLoadingTest, DebugModeRequestsThePageFromTheServer) {
  using std::chrono_literals::operator""ms;
  manager.setDebugHost("http://127.0.0.1:9000");
  EXPECT_TRUE(loadH5Page(*webView, "home"));
  manager.setIsDebug(true);
  EXPECT_TRUE(loadH5Page(*webView, "a/b", "?x=1"));
  EXPECT_FALSE(loadH5Page(*webView, "my page", std::nullopt));  // no address: no load
  setPageLoadTimeoutForTesting(250ms);
  loadH5Page(*webView, "home");
  setPageLoadTimeoutForTesting(0ms);
  ASSERT_EQ(loads().size(), 3u);
  EXPECT_EQ(loads()[0].kind, LoadKind::file);
  EXPECT_EQ(loads()[1].kind, LoadKind::request);
  EXPECT_EQ(loads()[1].url.absoluteString(), "http://127.0.0.1:9000/a/b/index.html?x=1");
  EXPECT_EQ(loads()[1].timeoutInterval, 60);
  EXPECT_EQ(loads()[1].cachePolicy, platform::web::CachePolicy::useProtocolCachePolicy);
  EXPECT_EQ(loads()[2].timeoutInterval, 0.25);
  EXPECT_EQ(pageLoadTimeout().count(), 60);
}

using Params = std::map<std::string, AnyCodable>;

AnyCodable object(PlainMap entries) { return AnyCodable(std::move(entries)); }

TEST(PageQuery, OnlyANonEmptyNestedObjectMakesAQueryOfTextValues) {
  EXPECT_EQ(pageQueryText(Params{}), std::nullopt);
  EXPECT_EQ(pageQueryText(Params{{"route", "x"}}), std::nullopt);
  EXPECT_EQ(pageQueryText(Params{{"params", object({})}}), std::nullopt);
  EXPECT_EQ(pageQueryText(Params{{"params", "id=3"}}), std::nullopt);
  // Values appear as plain text; what a query cannot hold is percent-encoded.
  EXPECT_EQ(pageQueryText(Params{{"route", "detail"},
                                 {"params", object({{"a", std::int64_t{1}}, {"b", true}, {"c", 2.5}})}}),
            "?a=1&b=true&c=2.5");
  EXPECT_EQ(pageQueryText(Params{{"params", object({{"name", std::string("张 三&x=1#y")}, {"k+=", std::string("%")}})}}),
            "?k%2B%3D=%25&name=%E5%BC%A0%20%E4%B8%89%26x%3D1%23y");
  EXPECT_EQ(encodeQueryComponent("abcXYZ019-._~!$'()*,;:@/?"), "abcXYZ019-._~!$'()*,;:@/?");
  EXPECT_EQ(encodeQueryComponent("\"<>[]\\^`{|}\n\x7f"), "%22%3C%3E%5B%5D%5C%5E%60%7B%7C%7D%0A%7F");
}

}  // namespace
}  // namespace zephro
