// Address patterns and allow/block lists, matched as the web engine matches
// them for user scripts; the headless engine applies them to each load.
#include <gtest/gtest.h>

#include "web_test_support.h"
#include "zephro/platform/web/url_pattern.h"

namespace zephro::platform::web {
namespace {

struct PatternCase {
  const char* pattern;
  const char* url;
  bool matches;
};

class URLPatternTest : public ::testing::TestWithParam<PatternCase> {};

TEST_P(URLPatternTest, MatchesAsTheEngineDoes) {
  EXPECT_EQ(matchesURLPattern(GetParam().pattern, GetParam().url), GetParam().matches)
      << GetParam().pattern << " against " << GetParam().url;
}

INSTANTIATE_TEST_SUITE_P(
    Table, URLPatternTest,
    ::testing::Values(
        PatternCase{"file:///bundle/dist/*", "file:///bundle/dist/login/index.html?x=1#top", true},
        PatternCase{"file:///bundle/dist/*", "file:///bundle/distant/index.html", false},
        PatternCase{"file:///bundle/dist/*", "file:///elsewhere/index.html", false},
        PatternCase{"file:///bundle/dist/*", "FILE:///bundle/dist/a.html", true},
        PatternCase{"file:///Bundle/*", "file:///bundle/a.html", false},  // paths keep their case
        PatternCase{"http://127.0.0.1/*", "http://127.0.0.1:8080/a/index.html", true},  // ports are not compared
        PatternCase{"http://127.0.0.1:8080/*", "http://127.0.0.1:8080/a", false},
        PatternCase{"http://h5.example.com/*", "http://user@H5.Example.com/", true},
        PatternCase{"http://h5.example.com/*", "https://h5.example.com/", false},
        PatternCase{"http://h5.example.com/*", "http://h5.example.com.evil.net/", false},
        PatternCase{"https://*.example.com/*", "https://a.b.example.com/x", true},
        PatternCase{"https://*.example.com/*", "https://example.com/x", true},
        PatternCase{"https://*.example.com/*", "https://badexample.com/x", false},
        PatternCase{"*://*/*", "https://any.where/x", true},
        PatternCase{"*://*/*", "file:///a", false},  // "*" stands for http and https only
        PatternCase{"http://*/a/*/c", "http://h/a/b/b/c", true},
        PatternCase{"http://*/a/*/c", "http://h/a/b/d", false},
        PatternCase{"http://a*b.com/*", "http://ab.com/", false},  // no pattern: wildcard inside the host
        PatternCase{"http:/h/*", "http://h/", false},
        PatternCase{"http://h", "http://h/", false},
        PatternCase{"about:blank", "about:blank", false},
        PatternCase{"file:///*", "data:text/html,<p>", false}));

struct FilterCase {
  DocumentFilter filter;
  const char* url;
  bool matches;
};

class DocumentFilterTest : public ::testing::TestWithParam<FilterCase> {};

TEST_P(DocumentFilterTest, AllowsWhatTheAllowListHoldsAndTheBlockListDoesNot) {
  EXPECT_EQ(GetParam().filter.matches(GetParam().url), GetParam().matches) << GetParam().url;
}

const DocumentFilter kBundleAndHost{{"file:///b/*", "https://h5.example.com/*"}, {"file:///b/private/*"}};

INSTANTIATE_TEST_SUITE_P(Table, DocumentFilterTest,
                         ::testing::Values(FilterCase{{}, "about:blank", true},
                                           FilterCase{{{}, {"http://*/*"}}, "http://x/", false},
                                           FilterCase{{{}, {"http://*/*"}}, "https://x/", true},
                                           FilterCase{kBundleAndHost, "file:///b/login/index.html", true},
                                           FilterCase{kBundleAndHost, "https://h5.example.com/p", true},
                                           FilterCase{kBundleAndHost, "file:///b/private/x.html", false},
                                           FilterCase{kBundleAndHost, "http://127.0.0.1:9/", false},
                                           FilterCase{{{"no pattern"}, {}}, "http://x/", false}));

TEST(URLOriginTest, SchemeHostAndPortWithTheDefaultPortWrittenOut) {
  EXPECT_EQ(originOf("HTTP://User@H5.Example.com/a?b#c"), "http://h5.example.com:80");
  EXPECT_EQ(originOf("https://h5.example.com:8443"), "https://h5.example.com:8443");
  EXPECT_EQ(originOf("https://[::1]/x"), "https://[::1]:443");
  EXPECT_EQ(originOf("file:///bundle/a.html"), std::nullopt);
  EXPECT_EQ(originOf("about:blank"), std::nullopt);
}

TEST(HeadlessUserScriptTest, ALoadRunsTheScriptsWhoseDocumentsIncludeIt) {
  auto configuration = WebViewConfiguration::make();
  auto webView = WebView::make({}, configuration);
  auto& content = configuration->userContentController();
  content.addUserScript({"everywhere"});
  content.addUserScript({"bundle", InjectionTime::atDocumentStart, true, {{"file:///b/*"}, {}}});
  content.addUserScript({"not-private", InjectionTime::atDocumentStart, true, {{}, {"file:///b/private/*"}}});
  webView->loadFileURL(URL::fileURL("/b/a.html"), URL::fileURL("/b/", true));
  webView->loadFileURL(URL::fileURL("/b/private/a.html"), URL::fileURL("/b/", true));
  webView->loadRequest(web::URLRequest{URL::parse("http://127.0.0.1:9/").value()});

  const auto& loads = headless::engineOf(*webView)->loads();
  ASSERT_EQ(loads.size(), 3u);
  EXPECT_EQ(loads[0].userScriptSources, (std::vector<std::string>{"everywhere", "bundle", "not-private"}));
  EXPECT_EQ(loads[1].userScriptSources, (std::vector<std::string>{"everywhere", "bundle"}));
  EXPECT_EQ(loads[2].userScriptSources, (std::vector<std::string>{"everywhere", "not-private"}));
}

}  // namespace
}  // namespace zephro::platform::web
