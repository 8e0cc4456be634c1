// Which documents are the kit's own pages: the bundle's files, the debug
// host's pages in debug mode and the origins the host trusts.
#include <gtest/gtest.h>

#include "tests/support/kit_fixture.h"
#include "zephro/h5/h5_manager.h"
#include "zephro/h5/trusted_pages.h"

namespace zephro {
namespace {

class TrustedPagesTest : public testing::KitTest {
 protected:
  static std::optional<URL> url(const std::string& text) { return URL::parse(text); }
  std::string bundleFile(const std::string& path) const {
    return URL::fileURL(bundle.path() / "dist" / path).absoluteString();
  }

  H5Manager& manager = H5Manager::shared();
};

TEST_F(TrustedPagesTest, HostsAddOnlyWebOrigins) {
  EXPECT_TRUE(manager.addTrustedOrigin("https://H5.Example.com"));
  EXPECT_TRUE(manager.addTrustedOrigin("https://h5.example.com:443/"));
  EXPECT_TRUE(manager.addTrustedOrigin("http://10.0.0.9:8080"));
  for (const char* refused : {"ftp://h5.example.com", "https://h5.example.com/pages", "https://a.com?x", "file:///",
                              "h5.example.com", "https://"}) {
    EXPECT_FALSE(manager.addTrustedOrigin(refused)) << refused;
  }
  EXPECT_EQ(manager.trustedOrigins(),
            (std::vector<std::string>{"https://h5.example.com:443", "http://10.0.0.9:8080"}));
}

TEST_F(TrustedPagesTest, TheBundleTheDebugHostInDebugModeAndAddedOriginsAreTrusted) {
  manager.addTrustedOrigin("https://h5.example.com");
  manager.setDebugHost("http://10.0.0.2:3000");
  const struct {
    std::string document;
    bool inDebugMode;
    bool trusted;
    bool matchedByPatterns;  // what the engine's patterns can tell
  } table[] = {
      {bundleFile("login/index.html?x=1"), false, true, true},
      {bundleFile("a/b/index.html"), true, true, true},
      {URL::fileURL(bundle.path() / "private/index.html").absoluteString(), false, false, false},
      {"https://h5.example.com/p/index.html", false, true, true},
      {"https://h5.example.com:8443/", false, false, true},  // another port of a trusted host
      {"http://h5.example.com/", false, false, false},
      {"http://10.0.0.2:3000/home/index.html", true, true, true},
      {"http://10.0.0.2:3000/home/index.html", false, false, false},
      {"http://127.0.0.1:9/", true, false, false},
      {"about:blank", true, false, false},
      {"data:text/html,x", true, false, false},
  };
  for (const auto& row : table) {
    manager.setIsDebug(row.inDebugMode);
    EXPECT_EQ(isTrustedPage(url(row.document)), row.trusted) << row.document << " debug " << row.inDebugMode;
    EXPECT_EQ(trustedPageFilter().matches(row.document), row.matchedByPatterns) << row.document;
  }
  EXPECT_FALSE(isTrustedPage(std::nullopt));
}

TEST_F(TrustedPagesTest, DebugLinesNameTheOrigin) {
  EXPECT_EQ(documentOriginText(url("HTTP://Evil.example:81/a?b")), "http://evil.example:81");
  EXPECT_EQ(documentOriginText(url("file:///tmp/x.html?q#f")), "file:///tmp/x.html");
  EXPECT_EQ(documentOriginText(url("data:text/html,secret")), "data:");
  EXPECT_EQ(documentOriginText(std::nullopt), "unknown");
}

}  // namespace
}  // namespace zephro
