// Which documents are the kit's own pages: the bundle's files, the debug
// host's pages in debug mode and the origins the host trusts.
#include <gtest/gtest.h>

#include "zephro/h5/h5_manager.h"
#include "zephro/h5/trusted_pages.h"
#include "zephro/platform/foundation/bundle.h"
#include "zephro/testing/kit_test.h"
#include "zephro/testing/scratch_directory.h"

namespace zephro {
namespace {

using TrustedPagesTest = testing::KitTest;

TEST_F(TrustedPagesTest, TheBundleTheDebugHostInDebugModeAndAddedOriginsAreTrusted) {
  H5Manager& manager = H5Manager::shared();
  EXPECT_FALSE(manager.addTrustedOrigin("https://h5.example.com/pages"));
  EXPECT_FALSE(manager.addTrustedOrigin("ftp://h5.example.com"));
  EXPECT_TRUE(manager.addTrustedOrigin("https://H5.Example.com"));
  manager.setDebugHost("http://10.0.0.2:3000");
  const std::string bundleFile = URL::fileURL(bundle.path() / "dist/a/index.html").absoluteString();
  const struct {
    std::string document;
    bool inDebugMode, trusted, matchedByPatterns;  // what the engine's patterns can tell
  } table[] = {
      {bundleFile + "?x=1", false, true, true},
      {URL::fileURL(bundle.path() / "private/index.html").absoluteString(), false, false, false},
      {"https://h5.example.com/p/index.html", false, true, true},
      {"https://h5.example.com:8443/", false, false, true},  // another port of a trusted host
      {"http://10.0.0.2:3000/home/index.html", true, true, true},
      {"http://10.0.0.2:3000/home/index.html", false, false, false},
      {"http://127.0.0.1:9/", true, false, false},
      {"data:text/html,x", true, false, false},
  };
  for (const auto& row : table) {
    manager.setIsDebug(row.inDebugMode);
    EXPECT_EQ(isTrustedPage(URL::parse(row.document)), row.trusted) << row.document << " debug " << row.inDebugMode;
    EXPECT_EQ(trustedPageFilter().matches(row.document), row.matchedByPatterns) << row.document;
  }
  EXPECT_FALSE(isTrustedPage(std::nullopt));
  // A file address as debug host is no web server: it trusts no file.
  const std::string outside = URL::fileURL(bundle.path() / "private/index.html").absoluteString();
  manager.setIsDebug(true);
  manager.setDebugHost("file://dev/pages");
  EXPECT_FALSE(isTrustedPage(URL::parse(outside)));
  EXPECT_FALSE(trustedPageFilter().matches(outside));
}

// The bundle's pattern is kept between messages: it must follow the bundle.
TEST_F(TrustedPagesTest, TrustFollowsTheBundleWhenItMoves) {
  auto page = [](const std::filesystem::path& bundleFolder, const char* pages) {
    return URL::fileURL(bundleFolder / pages / "a/index.html");
  };
  testing::ScratchDirectory elsewhere;
  const std::string pagesBefore = H5Manager::shared().bundlePath();
  ASSERT_EQ(pagesBefore, "dist");
  EXPECT_TRUE(isTrustedPage(page(bundle.path(), "dist")));
  platform::foundation::Bundle::setKitBundlePath(elsewhere.path());
  EXPECT_FALSE(isTrustedPage(page(bundle.path(), "dist")));
  EXPECT_TRUE(isTrustedPage(page(elsewhere.path(), "dist")));
  H5Manager::shared().setBundlePath("pages");
  EXPECT_FALSE(isTrustedPage(page(elsewhere.path(), "dist")));
  EXPECT_TRUE(isTrustedPage(page(elsewhere.path(), "pages")));
  H5Manager::shared().setBundlePath(pagesBefore);
  platform::foundation::Bundle::setKitBundlePath(bundle.path());
}

}  // namespace
}  // namespace zephro
