#include "zephro/h5/h5_manager.h"

#include <gtest/gtest.h>

#include "tests/support/kit_test.h"
#include "zephro/bridge/jsb_manager.h"
#include "zephro/h5/page_path.h"
#include "zephro/scopes/app_jsb.h"
#include "zephro/scopes/event_forwarder_jsb.h"
#include "zephro/scopes/view_stack_jsb.h"

namespace zephro {
namespace {

using testing::KitTest;

class H5ManagerTest : public KitTest {
 protected:
  H5Manager& manager = H5Manager::shared();
};

TEST_F(H5ManagerTest, DebugUrlJoinsHostPageAndIndexAsPlainText) {
  manager.setupDebug("http://10.0.0.2:3000");
  EXPECT_EQ(manager.debugUrl("home")->absoluteString(), "http://10.0.0.2:3000/home/index.html");
  manager.setDebugHost("http://10.0.0.2:3000/");
  EXPECT_EQ(manager.debugUrl("home")->absoluteString(), "http://10.0.0.2:3000//home/index.html");
  manager.setDebugHost("");
  EXPECT_EQ(manager.debugUrl("home")->absoluteString(), "/home/index.html");
  EXPECT_EQ(manager.debugUrl("my page"), std::nullopt);
}

TEST_F(H5ManagerTest, PageUrlFindsOnlyExistingIndexFilesInsideTheBundle) {
  ASSERT_TRUE(manager.pageUrl("home"));
  EXPECT_EQ(manager.pageUrl("home")->fileSystemPath(), bundle.path() / "dist/home/index.html");
  EXPECT_EQ(manager.pageUrl("a/b")->fileSystemPath(), bundle.path() / "dist/a/b/index.html");
  EXPECT_EQ(manager.pageUrl("missing"), std::nullopt);

  bundle.addPage("my page");
  EXPECT_TRUE(manager.pageUrl("my page"));

  // A page outside "dist" exists but must not be reachable by climbing.
  bundle.addPage("secret", "private");
  EXPECT_EQ(manager.pageUrl("../private/secret"), std::nullopt);
}

TEST_F(H5ManagerTest, RootUrlIsTheBundleDirectoryWithTheBundlePath) {
  EXPECT_EQ(manager.rootUrl()->fileSystemPath(), bundle.path() / "dist");
  manager.setBundlePath("other");
  EXPECT_EQ(manager.rootUrl()->fileSystemPath(), bundle.path() / "other");
  EXPECT_EQ(manager.pageUrl("home"), std::nullopt);
  manager.setBundlePath("dist");
}

TEST_F(H5ManagerTest, EveryWebViewIsNewAndKnowsItsScreen) {
  auto screen = H5ContentViewController::make();
  auto first = manager.webview(screen);
  auto second = manager.webview(screen);
  EXPECT_NE(first, second);
  EXPECT_EQ(first->viewController().lock(), screen);
}

TEST(PagePathTest, JoinsWithExactlyOneSlash) {
  EXPECT_EQ(appendingPathComponent("dist", "home"), "dist/home");
  EXPECT_EQ(appendingPathComponent("dist/", "/home/"), "dist/home");
  EXPECT_EQ(appendingPathComponent("dist", ""), "dist");
  EXPECT_EQ(appendingPathComponent("", "home"), "home");
  EXPECT_EQ(appendingPathComponent("dist", "a/b"), "dist/a/b");
}

TEST(PagePathTest, ClimbingSegmentsAreFound) {
  EXPECT_TRUE(climbsOutOfBundle(".."));
  EXPECT_TRUE(climbsOutOfBundle("a/../../x"));
  EXPECT_FALSE(climbsOutOfBundle("a..b/c"));
  EXPECT_FALSE(climbsOutOfBundle("..home"));
}

}  // namespace
}  // namespace zephro
