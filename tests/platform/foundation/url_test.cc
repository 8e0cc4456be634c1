#include "zephro/platform/foundation/url.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace zephro {
namespace {

TEST(URLParse, RefusesTextThatIsNotAReference) {
  for (std::string text : std::initializer_list<std::string>{"", "http://exa mple.com/", "a b", "http://例え.jp/",
                                                             "%zz", "/a%2", "http://[::1/", "x\x01y",
                                                             std::string("ab\0c", 4), "<script>"}) {
    EXPECT_FALSE(URL::parse(text)) << text;
  }
}

TEST(URLParse, SplitsComponentsAsWritten) {
  using Text = std::optional<std::string>;
  // Text, scheme, host, path, query, fragment.
  const std::tuple<std::string, std::string, Text, std::string, Text, Text> cases[] = {
      {"HTTP://user@Example.com:8080/a/b?x=1&y=%20#top", "http", "Example.com", "/a/b", "x=1&y=%20", "top"},
      {"resource://my%20photo.png", "resource", "my photo.png", "", std::nullopt, std::nullopt},
      {"file:///a/home/index.html?", "file", std::nullopt, "/a/home/index.html", "", std::nullopt},
      {"/home/index.html", "", std::nullopt, "/home/index.html", std::nullopt, std::nullopt}};
  for (const auto& [text, scheme, host, path, query, fragment] : cases) {
    auto url = URL::parse(text);
    ASSERT_TRUE(url) << text;
    EXPECT_EQ(url->absoluteString(), text);
    EXPECT_EQ(url->scheme(), scheme) << text;
    EXPECT_EQ(url->host(), host) << text;
    EXPECT_EQ(url->path(), path) << text;
    EXPECT_EQ(url->query(), query) << text;
    EXPECT_EQ(url->fragment(), fragment) << text;
  }
}

TEST(URLParse, ResolvesReferencesAgainstABase) {
  const char* page = "file:///a/home/index.html?old=1#f";
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {page, "?id=3", "file:///a/home/index.html?id=3"},
      {page, "../login/index.html", "file:///a/login/index.html"},
      {page, "other.html#x", "file:///a/home/other.html#x"},
      {page, "/root.html", "file:///root.html"},
      {page, "http://h/p", "http://h/p"},
      {page, "//host/p", "file://host/p"},
      // IPv6 hosts stay as written, whichever side gives them.
      {"http://[::1]:8080/a/b", "../c", "http://[::1]:8080/c"},
      {"http://[2001:DB8::7]/a", "#s", "http://[2001:DB8::7]/a#s"},
      {page, "//u@[::A:2]:1/x", "file://u@[::A:2]:1/x"},
      // No dot segment is left where none is needed, and a path that starts
      // with "//" never reads as an authority.
      {"http://h/a/b/c", "../../..///g", "http://h///g"},
      {"a:b", "/.//x", "a:/.//x"},
      {"a:b", "..///x", "a:/.//x"},
      {"a:/h/x", "..", "a:/"},
      {"a:b", "..//", "a:/"},
      {"a:b", ".///p:q", "a:/.//p:q"},
  };
  for (auto [base, relative, resolved] : cases) {
    auto url = URL::parse(relative, *URL::parse(base));
    ASSERT_TRUE(url) << relative;
    EXPECT_EQ(url->absoluteString(), resolved) << relative;
    EXPECT_EQ(url->host(), URL::parse(resolved)->host()) << relative;
    EXPECT_EQ(URL::parse(resolved, *url), url) << relative;
  }
  EXPECT_FALSE(URL::parse("a b", *URL::parse(page)));
  EXPECT_FALSE(URL::parse("x.html", *URL::parse("/relative/base")));
}

TEST(URLFile, EncodesAndDecodesPaths) {
  for (std::string path : {"/tmp/a b/c#d?.html", "/tmp/客厅/100%.png", "/plain/path"}) {
    URL url = URL::fileURL(path);
    EXPECT_TRUE(url.isFileURL());
    EXPECT_TRUE(URL::parse(url.absoluteString())) << url.absoluteString();
    EXPECT_EQ(url.fileSystemPath(), path);
  }
  EXPECT_EQ(URL::fileURL("/tmp/a b/c#d.html").absoluteString(), "file:///tmp/a%20b/c%23d.html");
  EXPECT_EQ(URL::fileURL("/srv/dist", true).absoluteString(), "file:///srv/dist/");
  EXPECT_EQ(URL::fileURL("rel/x").fileSystemPath(), std::filesystem::current_path() / "rel/x");
  EXPECT_EQ(URL::parse("http://h/a")->fileSystemPath(), "");
  EXPECT_EQ(URL::parse("file:///etc/passwd%00.png")->fileSystemPath(), "");
}

TEST(URLAppend, AddsOneSegmentKeepingQueryAndFragment) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"file:///a/dist/", "home", "file:///a/dist/home"},
      {"file:///a/dist", "home/index.html", "file:///a/dist/home/index.html"},
      {"http://h/p?x=1#f", "q r", "http://h/p/q%20r?x=1#f"},
      {"http://h", "a", "http://h/a"},
      {"file:///a", "dir/", "file:///a/dir/"},
  };
  for (auto [base, component, expected] : cases) {
    URL url = URL::parse(base)->appendingPathComponent(component);
    EXPECT_EQ(url.absoluteString(), expected);
    EXPECT_EQ(url, *URL::parse(expected));
  }
}

}  // namespace
}  // namespace zephro
