// Texts written into page scripts: literals, the start-up script, debug lines.
#include <gtest/gtest.h>

#include <any>
#include <string>

#include "zephro/bridge/debug_line.h"
#include "zephro/bridge/script_literal.h"
#include "zephro/bridge/startup_script.h"
#include "zephro/json/kinds.h"

namespace zephro {
namespace {

struct TextCase {
  std::string text;
  std::string written;
};

void PrintTo(const TextCase& c, std::ostream* out) { *out << c.written; }

class ScriptStringLiteralTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(ScriptStringLiteralTest, WritesALiteralThePageReadsBackExactly) {
  EXPECT_EQ(scriptStringLiteral(GetParam().text), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ScriptStringLiteralTest,
    ::testing::Values(TextCase{"", R"("")"}, TextCase{"plain text 1.0", R"("plain text 1.0")"},
                      TextCase{"中文 é", "\"中文 é\""}, TextCase{R"(a"b)", R"("a\"b")"},
                      TextCase{R"(a\"; alert(1); ")", R"("a\\\"; alert(1); \"")"},
                      TextCase{"it's", R"("it's")"}, TextCase{"l1\nl2\r\t", R"("l1\nl2\r\t")"},
                      TextCase{std::string("nul\0one\x1f\x7f", 9), R"("nul\x00one\x1f\x7f")"},
                      TextCase{"\xE2\x80\xA8|\xE2\x80\xA9", R"("\u2028|\u2029")"},
                      TextCase{"</script><!--", R"("\x3C/script>\x3C!--")"}, TextCase{"a<b", R"("a<b")"},
                      TextCase{"bad\xff\xc3", R"("bad\uFFFD\uFFFD")"}, TextCase{"\xed\xa0\x80", R"("\uFFFD\uFFFD\uFFFD")"}));

TEST(ScriptStringLiteral, SingleQuotedFormEscapesOnlyItsOwnQuote) {
  EXPECT_EQ(scriptStringLiteral("cart", '\''), "'cart'");
  EXPECT_EQ(scriptStringLiteral(R"({"a":"it's"})", '\''), R"('{"a":"it\'s"}')");
}

TEST(ScriptSafeJSON, EscapesOnlyWhatCouldEndAScript) {
  EXPECT_EQ(scriptSafeJSON(R"({"a":"</script>","b":"<!--","c":"a<b"})"),
            R"({"a":"\u003C/script>","b":"\u003C!--","c":"a<b"})");
  EXPECT_EQ(scriptSafeJSON("[\"\xE2\x80\xA8\"]"), R"(["\u2028"])");
}

const char* const kDefaultConfigStatements =
    R"(window.__cloudConfig_appKey = "";window.__cloudConfig_regionId = "CN";window.__cloudConfig_language = "zh";)"
    R"(window.__cloudConfig_countryCode = "86";window.__cloudConfig_appVersion = "1.0";window.__cloudConfig_baseURL = "";)";

class StartupScriptTest : public ::testing::Test {
 protected:
  void SetUp() override { config.setAppVersion("1.0"); }
  ZephroCloudConfig config;
};

TEST_F(StartupScriptTest, TokenHomeIdAndTheSixSettingsInOrder) {
  EXPECT_EQ(startupScript("tok-1", std::int64_t{42}, config),
            std::string(R"(window.__token = "tok-1";window.__homeId = 42;)") + kDefaultConfigStatements);
  EXPECT_EQ(startupScript(std::nullopt, std::any(), config), kDefaultConfigStatements);
}

TEST_F(StartupScriptTest, ValuesCannotEndTheirLiteral) {
  config.setAppKey(R"(k";alert(1);")");
  config.setBaseURL("https://x/</script>\n");
  std::string script = startupScript(R"(t\")", std::any(), config);
  EXPECT_EQ(script.substr(0, script.find(';') + 1), R"(window.__token = "t\\\"";)");
  EXPECT_NE(script.find(R"(window.__cloudConfig_appKey = "k\";alert(1);\"";)"), std::string::npos);
  EXPECT_NE(script.find(R"(window.__cloudConfig_baseURL = "https://x/\x3C/script>\n";)"), std::string::npos);
}

struct HomeIdCase {
  std::any stored;
  std::string expression;
};

class HomeIdTest : public ::testing::TestWithParam<HomeIdCase> {};

TEST_P(HomeIdTest, IsWrittenAsASafeExpression) {
  ZephroCloudConfig config;
  std::string script = startupScript(std::nullopt, GetParam().stored, config);
  EXPECT_EQ(script.substr(0, script.find(";window.__cloudConfig_appKey")),
            "window.__homeId = " + GetParam().expression);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, HomeIdTest,
    ::testing::Values(HomeIdCase{std::int64_t{-7}, "-7"}, HomeIdCase{42.5, "42.5"},
                      HomeIdCase{Number::ofInt32(9), "9"}, HomeIdCase{std::string("42"), "42"},
                      HomeIdCase{std::string("-1.5e3"), "-1.5e3"}, HomeIdCase{std::string("042"), R"("042")"},
                      HomeIdCase{std::string("home-1"), R"("home-1")"},
                      HomeIdCase{std::string("alert(1)"), "\"alert(1)\""}, HomeIdCase{std::string(), R"("")"},
                      HomeIdCase{true, "true"}, HomeIdCase{Null{}, "null"},
                      HomeIdCase{PlainList{std::int64_t{1}, std::string("</script>")}, R"([1,"\u003C/script>"])"},
                      HomeIdCase{PlainMap{{"id", std::int64_t{3}}}, R"({"id":3})"}, HomeIdCase{Data{1}, "null"}));

TEST(DebugLine, QuotesAndEscapesSoEachLineStaysOneLine) {
  EXPECT_EQ(debugLineText("H5ContentWebView successfully dealloc"), R"("H5ContentWebView successfully dealloc")");
  EXPECT_EQ(debugLineText(R"(jsb invoke is invalid: {"a":"\"})"), R"("jsb invoke is invalid: {\"a\":\"\\\"}")");
  EXPECT_EQ(debugLineText("a\nb\r\t\x01"), R"("a\nb\r\t\u{1}")");
}

}  // namespace
}  // namespace zephro
