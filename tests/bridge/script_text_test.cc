// Texts written into page scripts: answers, literals, the start-up script,
// debug lines.
#include <gtest/gtest.h>

#include <any>
#include <limits>
#include <string>

#include "zephro/bridge/debug_line.h"
#include "zephro/bridge/response_script.h"
#include "zephro/bridge/script_literal.h"
#include "zephro/bridge/startup_script.h"
#include "zephro/platform/foundation/kinds.h"

namespace zephro {
namespace {

using Body = std::map<std::string, AnyCodable>;

TEST(ResponseScript, PassesThePresentFieldsOrTheReadyDataAndTheId) {
  EXPECT_EQ(responseScript(WebViewResponse{std::nullopt, Body{{"value", "x"}}, true}, 7),
            R"(window.__jsb.onResponse({"responseBody":{"value":"x"},"success":true}, 7))");
  EXPECT_EQ(responseScript(WebViewResponse{std::nullopt, std::nullopt, false}, -1),
            R"(window.__jsb.onResponse({"success":false}, -1))");
  EXPECT_EQ(responseScript(WebViewResponse{}, std::numeric_limits<std::int64_t>::min()),
            "window.__jsb.onResponse({}, -9223372036854775808)");
  std::string array = R"([1, "two" ,{"3":4}])";
  EXPECT_EQ(responseScript(WebViewResponse{Data(array.begin(), array.end()), Body{{"v", 1}}, true}, 3),
            "window.__jsb.onResponse(" + array + ", 3)");
}

TEST(ResponseScript, NothingIsSentForBadUtf8OrAnUnencodableValue) {
  struct Opaque {};
  EXPECT_EQ(responseScript(WebViewResponse{Data{'[', 0xff, ']'}, std::nullopt, true}, 1), std::nullopt);
  EXPECT_EQ(responseScript(WebViewResponse{std::nullopt, Body{{"v", AnyCodable(Opaque{})}}, true}, 1), std::nullopt);
  const double infinity = std::numeric_limits<double>::infinity();
  EXPECT_EQ(responseScript(WebViewResponse{std::nullopt, Body{{"v", infinity}}, true}, 1), std::nullopt);
}


TEST(ScriptStringLiteral, WritesALiteralThePageReadsBackExactly) {
  const std::pair<std::string, std::string> cases[] = {
      {"", R"("")"},
      {"中文 é", "\"中文 é\""},
      {R"(a\"; alert(1); ")", R"("a\\\"; alert(1); \"")"},
      {"it's", R"("it's")"},
      {"l1\nl2\r\t", R"("l1\nl2\r\t")"},
      {std::string("nul\0one\x1f\x7f", 9), R"("nul\x00one\x1f\x7f")"},
      {"\xE2\x80\xA8|\xE2\x80\xA9", R"("\u2028|\u2029")"},
      {"</script><!--", R"("\x3C/script>\x3C!--")"},
      {"a<b", R"("a<b")"},
      {"bad\xff\xc3", R"("bad\uFFFD\uFFFD")"},
      {"\xed\xa0\x80", R"("\uFFFD\uFFFD\uFFFD")"}};
  for (const auto& [text, written] : cases) EXPECT_EQ(scriptStringLiteral(text), written);
  // The single-quoted form escapes only its own quote.
  EXPECT_EQ(scriptStringLiteral(R"({"a":"it's"})", '\''), R"('{"a":"it\'s"}')");
}

TEST(ScriptSafeJSON, EscapesOnlyWhatCouldEndAScript) {
  EXPECT_EQ(scriptSafeJSON(R"({"a":"</script>","b":"<!--","c":"a<b"})"),
            R"({"a":"\u003C/script>","b":"\u003C!--","c":"a<b"})");
  EXPECT_EQ(scriptSafeJSON("[\"\xE2\x80\xA8\"]"), R"(["\u2028"])");
}

TEST(StartupScript, TokenHomeIdAndTheSixSettingsInOrder) {
  ZephroCloudConfig config;
  config.setAppVersion("1.0");
  const std::string settings =
      R"(window.__cloudConfig_appKey = "";window.__cloudConfig_regionId = "CN";window.__cloudConfig_language = "zh";)"
      R"(window.__cloudConfig_countryCode = "86";window.__cloudConfig_appVersion = "1.0";)"
      R"(window.__cloudConfig_baseURL = "";)";
  EXPECT_EQ(startupScript("tok-1", std::int64_t{42}, config),
            R"(window.__token = "tok-1";window.__homeId = 42;)" + settings);
  EXPECT_EQ(startupScript(std::nullopt, std::any(), config), settings);

  config.setAppKey(R"(k";alert(1);")");
  config.setBaseURL("https://x/</script>\n");
  std::string script = startupScript(R"(t\")", std::any(), config);
  EXPECT_EQ(script.substr(0, script.find(';') + 1), R"(window.__token = "t\\\"";)");
  EXPECT_NE(script.find(R"(window.__cloudConfig_appKey = "k\";alert(1);\"";)"), std::string::npos);
  EXPECT_NE(script.find(R"(window.__cloudConfig_baseURL = "https://x/\x3C/script>\n";)"), std::string::npos);
}

TEST(StartupScript, TheHomeIdIsWrittenAsASafeExpression) {
  const std::pair<std::any, std::string> cases[] = {
      {std::int64_t{-7}, "-7"},
      {42.5, "42.5"},
      {Number::ofInt32(9), "9"},
      {std::string("42"), "42"},
      {std::string("-1.5e3"), "-1.5e3"},
      {std::string("042"), R"("042")"},
      {std::string("alert(1)"), "\"alert(1)\""},
      {std::string(), R"("")"},
      {true, "true"},
      {Null{}, "null"},
      {PlainList{std::int64_t{1}, std::string("</script>")}, R"([1,"\u003C/script>"])"},
      {PlainMap{{"id", std::int64_t{3}}}, R"({"id":3})"},
      {Data{1}, "null"}};
  for (const auto& [stored, expression] : cases) {
    std::string script = startupScript(std::nullopt, stored, ZephroCloudConfig());
    EXPECT_EQ(script.substr(0, script.find(";window.__cloudConfig_appKey")), "window.__homeId = " + expression);
  }
}

TEST(DebugLine, QuotesAndEscapesSoEachLineStaysOneLine) {
  EXPECT_EQ(debugLineText("H5ContentWebView successfully dealloc"), R"("H5ContentWebView successfully dealloc")");
  EXPECT_EQ(debugLineText(R"(jsb invoke is invalid: {"a":"\"})"), R"("jsb invoke is invalid: {\"a\":\"\\\"}")");
  EXPECT_EQ(debugLineText(std::string("a\nb\r\t\x01\x1b\x7f\0", 9)), R"("a\nb\r\t\u{1}\u{1B}\u{7F}\0")");
}

TEST(DebugLine, ALongTextIsCutAfterItsBeginningWithoutSplittingACharacter) {
  std::string text = std::string(kDebugLineTextLimit - 1, 'a') + "é" + std::string(20 << 20, '[');
  EXPECT_EQ(debugLineText(text), "\"" + std::string(kDebugLineTextLimit - 1, 'a') + "… (20973569 bytes)\"");
  std::string exact(kDebugLineTextLimit, 'a');
  EXPECT_EQ(debugLineText(exact), "\"" + exact + "\"");
}

}  // namespace
}  // namespace zephro
