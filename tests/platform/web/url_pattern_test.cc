// Allow/block lists of address patterns, matched as the web engine matches
// them for user scripts; the headless engine applies them to each load.
#include <gtest/gtest.h>

#include "web_test_support.h"
#include "zephro/platform/web/url_pattern.h"

namespace zephro::platform::web {
namespace {

struct FilterCase {
  DocumentFilter filter;
  const char* url;
  bool matches;
};

class DocumentFilterTest : public ::testing::TestWithParam<FilterCase> {};

TEST_P(DocumentFilterTest, MatchesAsTheEngineDoes) {
  EXPECT_EQ(GetParam().filter.matches(GetParam().url), GetParam().matches) << GetParam().url;
}

INSTANTIATE_TEST_SUITE_P(
    Table, DocumentFilterTest,
    ::testing::Values(FilterCase{{{"file:///b/*"}}, "FILE:///b/login/index.html?x=1#top", true},
                      FilterCase{{{"file:///b/*"}}, "file:///bx/index.html", false},
                      FilterCase{{{"http://127.0.0.1/*"}}, "http://127.0.0.1:8080/a", true},  // ports aside
                      FilterCase{{{"http://127.0.0.1:8080/*"}}, "http://127.0.0.1:8080/a", false},
                      FilterCase{{{"http://h5.example.com/*"}}, "http://user@H5.Example.com/", true},
                      FilterCase{{{"http://h5.example.com/*"}}, "https://h5.example.com/", false},
                      FilterCase{{{"http://h5.example.com/*"}}, "http://h5.example.com.evil.net/", false},
                      FilterCase{{{"https://*.example.com/*"}}, "https://a.b.example.com/x", true},
                      FilterCase{{{"https://*.example.com/*"}}, "https://badexample.com/x", false},
                      FilterCase{{{"*://*/*"}}, "file:///a", false},  // "*" is http and https
                      FilterCase{{{"http://*/a/*/c"}}, "http://h/a/b/b/c", true},
                      FilterCase{{{"http://a*b.com/*"}}, "http://ab.com/", false},  // no pattern
                      FilterCase{{}, "about:blank", true},
                      FilterCase{{{"file:///b/*"}, {"file:///b/private/*"}}, "file:///b/private/x.html", false}));

TEST(HeadlessUserScriptTest, ALoadRunsTheScriptsWhoseDocumentsIncludeIt) {
  auto configuration = WebViewConfiguration::make();
  auto webView = WebView::make({}, configuration);
  auto& content = configuration->userContentController();
  content.addUserScript({"everywhere"});
  content.addUserScript({"bundle", InjectionTime::atDocumentStart, true, {{"file:///b/*"}, {}}});
  webView->loadFileURL(URL::fileURL("/b/a.html"), URL::fileURL("/b/", true));
  webView->loadRequest(web::URLRequest{URL::parse("http://127.0.0.1:9/").value()});

  const auto& loads = headless::engineOf(*webView)->loads();
  ASSERT_EQ(loads.size(), 2u);
  EXPECT_EQ(loads[0].userScriptSources, (std::vector<std::string>{"everywhere", "bundle"}));
  EXPECT_EQ(loads[1].userScriptSources, (std::vector<std::string>{"everywhere"}));
}

}  // namespace
}  // namespace zephro::platform::web
