// What the web-process extension lets pages request, without WebKit.

#include "zephro/platform/gtk/extension/request_rules.h"

#include <gtest/gtest.h>

#include <ostream>

namespace zephro::platform::gtk::extension {
namespace {

struct RewriteCase {
  const char* uri;
  const char* expected;  // null: left alone
};

void PrintTo(const RewriteCase& rewrite, std::ostream* out) { *out << rewrite.uri; }

class PrivateResourceUriTest : public ::testing::TestWithParam<RewriteCase> {};

TEST_P(PrivateResourceUriTest, MovesOnlyTheHostFormToThePrivateScheme) {
  const auto rewritten = privateResourceUri(GetParam().uri);
  if (GetParam().expected == nullptr) {
    EXPECT_FALSE(rewritten.has_value()) << *rewritten;
  } else {
    EXPECT_EQ(rewritten, GetParam().expected);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, PrivateResourceUriTest,
    ::testing::Values(RewriteCase{"resource://photo.png", "zephro-resource://photo.png"},
                      RewriteCase{"resource://Photo.PNG?x=1#top", "zephro-resource://Photo.PNG?x=1#top"},
                      RewriteCase{"RESOURCE://photo.png/extra", "zephro-resource://photo.png/extra"},
                      RewriteCase{"resource:///org/gtk/icon.png", nullptr},  // WebKit's own GResources
                      RewriteCase{"resource://", nullptr}, RewriteCase{"resource:photo.png", nullptr},
                      RewriteCase{"resources://photo.png", nullptr}, RewriteCase{"file:///tmp/photo.png", nullptr}));

struct AccessCase {
  const char* uri;
  bool allowed;
};

void PrintTo(const AccessCase& access, std::ostream* out) { *out << access.uri; }

class RequestAllowedTest : public ::testing::TestWithParam<AccessCase> {};

TEST_P(RequestAllowedTest, ConfinesFileReadsToTheRoot) {
  EXPECT_EQ(isRequestAllowed(GetParam().uri, std::filesystem::path("/bundle/dist/")), GetParam().allowed)
      << GetParam().uri;
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, RequestAllowedTest,
    ::testing::Values(AccessCase{"file:///bundle/dist", true}, AccessCase{"file:///bundle/dist/home/index.html", true},
                      AccessCase{"file:///bundle/dist/home/index.html?id=3#top", true},
                      AccessCase{"file:///bundle/dist/a/../b/app.js", true},
                      AccessCase{"file:///bundle/dist/../secret", false},
                      AccessCase{"file:///bundle/dist/a/%2e%2e/%2e%2e/secret", false},
                      AccessCase{"file:///bundle/dist/..%2Fsecret", false},
                      AccessCase{"file:///bundle/distant/file", false}, AccessCase{"file:///etc/passwd", false},
                      AccessCase{"file://otherhost/bundle/dist/index.html", false},
                      AccessCase{"file://localhost/bundle/dist/index.html", true},
                      AccessCase{"FILE:///etc/passwd", false}, AccessCase{"https://example.org/x", true},
                      AccessCase{"zephro-resource://photo.png", true}, AccessCase{"data:text/plain,hi", true}));

TEST(RequestAllowedWithoutRootTest, NoFileMayBeReadBeforeARootIsKnown) {
  EXPECT_FALSE(isRequestAllowed("file:///bundle/dist/index.html", std::nullopt));
  EXPECT_FALSE(isRequestAllowed("file:///bundle/dist/index.html", std::filesystem::path("relative/root")));
  EXPECT_TRUE(isRequestAllowed("https://example.org/", std::nullopt));
}

}  // namespace
}  // namespace zephro::platform::gtk::extension
