#include "zephro/h5/load_h5_page.h"

#include <gtest/gtest.h>

#include "tests/support/kit_test.h"
#include "zephro/h5/h5_manager.h"

namespace zephro {
namespace {

using platform::headless::LoadKind;
using testing::KitTest;
using testing::loadsOf;

class LoadH5PageTest : public KitTest {
 protected:
  std::shared_ptr<platform::web::WebView> webView = platform::web::WebView::make({}, nullptr);
  H5Manager& manager = H5Manager::shared();
};

TEST_F(LoadH5PageTest, DebugModeRequestsThePageFromTheServer) {
  manager.setIsDebug(true);
  manager.setDebugHost("http://127.0.0.1:9000");
  loadH5Page(*webView, "a/b", "?x=1");
  loadH5Page(*webView, "my page", std::nullopt);  // no address: no load
  auto loads = loadsOf(*webView);
  ASSERT_EQ(loads.size(), 1u);
  EXPECT_EQ(loads[0].kind, LoadKind::request);
  EXPECT_EQ(loads[0].url.absoluteString(), "http://127.0.0.1:9000/a/b/index.html?x=1");
  EXPECT_EQ(loads[0].timeoutInterval, 60);
  EXPECT_EQ(loads[0].cachePolicy, platform::web::CachePolicy::useProtocolCachePolicy);
}

TEST_F(LoadH5PageTest, BundleModeLoadsTheFileWithReadAccessToTheWholeBundle) {
  loadH5Page(*webView, "home", "?id=3");
  auto loads = loadsOf(*webView);
  ASSERT_EQ(loads.size(), 1u);
  EXPECT_EQ(loads[0].kind, LoadKind::file);
  EXPECT_EQ(loads[0].url.fileSystemPath(), bundle.path() / "dist/home/index.html");
  EXPECT_EQ(loads[0].url.query(), "id=3");
  EXPECT_EQ(loads[0].readAccessRoot->fileSystemPath(), bundle.path() / "dist");
}

TEST_F(LoadH5PageTest, BundleModeDropsAQueryThatDoesNotResolveAndSkipsMissingPages) {
  loadH5Page(*webView, "home", "?a b");
  loadH5Page(*webView, "nowhere", std::nullopt);  // not in the bundle: no load
  auto loads = loadsOf(*webView);
  ASSERT_EQ(loads.size(), 1u);
  EXPECT_EQ(loads[0].url.query(), std::nullopt);
  EXPECT_EQ(loads[0].url.fileSystemPath(), bundle.path() / "dist/home/index.html");
}

TEST_F(LoadH5PageTest, TheDebugSwitchIsReadAtEachCall) {
  loadH5Page(*webView, "home");
  manager.setIsDebug(true);
  loadH5Page(*webView, "home");
  auto loads = loadsOf(*webView);
  ASSERT_EQ(loads.size(), 2u);
  EXPECT_EQ(loads[0].kind, LoadKind::file);
  EXPECT_EQ(loads[1].kind, LoadKind::request);
}

}  // namespace
}  // namespace zephro
