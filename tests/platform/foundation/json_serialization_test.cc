#include "zephro/platform/foundation/json_serialization.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "zephro/platform/foundation/kinds.h"
#include "zephro/testing/plain_values.h"

namespace zephro::platform::foundation {
namespace {

using testing::plainEquals;

TEST(JSONReading, GivesPlainValuesOfTheExpectedKind) {
  const std::pair<std::string, std::any> cases[] = {
      {"null", Null{}},
      {" true ", true},
      {"-9223372036854775808", std::numeric_limits<std::int64_t>::min()},
      {"9223372036854775808", std::uint64_t{9223372036854775808u}},
      {"1.0", 1.0},
      {"1e2", 100.0},
      {"\"\\u5ba2\\n\"", std::string("客\n")},
      // Unpaired surrogate escapes (half of a pair in a page's string) read as U+FFFD.
      {R"("a\ud800b\udc00\ud83d\ude00\\ud800\ud800\u0041")", std::string("a\uFFFDb\uFFFD😀\\ud800\uFFFDA")},
      {"[1,\"a\",[]]", PlainList{std::int64_t{1}, std::string("a"), PlainList{}}},
      {"{\"b\":{\"c\":false},\"a\":null,\"a\":2}", PlainMap{{"a", std::int64_t{2}}, {"b", PlainMap{{"c", false}}}}}};
  for (const auto& [text, expected] : cases) {
    auto value = JSONSerialization::jsonObject(text);
    ASSERT_TRUE(value) << text;
    EXPECT_TRUE(plainEquals(*value, expected)) << text << " read as " << value->type().name();
  }
}

TEST(JSONReading, RefusesInvalidText) {
  using namespace std::string_literals;
  // A NUL byte ends the text for the parser: it must not hide what follows.
  for (std::string text : {""s, "{"s, "[1,]"s, "nul"s, "{\"a\":1} x"s, "'a'"s, "\"\xff\""s, "\"\xed\xa0\x80\""s,
                           "[1e999999]"s, "[1]\0x"s, "1\0"s, "\"a\0\""s, "[\"\\ud800\0\"]"s}) {
    EXPECT_FALSE(JSONSerialization::jsonObject(text)) << text;
  }
}

TEST(JSONReading, RefusesHostileNestingWithoutExhaustingTheStack) {
  std::string deep(200000, '[');
  EXPECT_FALSE(JSONSerialization::jsonObject(deep + std::string(200000, ']')));
  std::size_t allowed = JSONSerialization::maxDepth;
  EXPECT_TRUE(JSONSerialization::jsonObject(std::string(allowed, '[') + std::string(allowed, ']')));
}

TEST(JSONWriting, WritesCompactTextWithMembersInKeyOrder) {
  PlainMap value{{"b", PlainList{std::int64_t{-1}, 2.5, std::string("x\"\\\n\x01/")}},
                 {"a", Null{}},
                 {"c", PlainMap{}},
                 {"n", PlainList{Number::ofBool(true), Number::ofUInt64(18446744073709551615u),
                                 Number::ofInt8(-3), Number::ofDouble(0.5), 7, 1.5f}}};
  EXPECT_EQ(JSONSerialization::data(value),
            R"({"a":null,"b":[-1,2.5,"x\"\\\n\u0001/"],"c":{},"n":[true,18446744073709551615,-3,0.5,7,1.5]})");
}

TEST(JSONWriting, RefusesValuesJSONCannotHoldAnywhereInside) {
  struct Opaque {};
  const std::any refused[] = {
      std::any(Date{}), Data{1, 2}, std::nan(""), std::numeric_limits<double>::infinity(),
      std::string("\xc0\xaf"), Opaque{}, std::any(), PlainList{std::int64_t{1}, Opaque{}},
      PlainMap{{"k", PlainList{Date{}}}}, PlainMap{{"\xff", true}}};
  for (const std::any& value : refused) {
    EXPECT_FALSE(JSONSerialization::data(value)) << value.type().name();
  }
  PlainList deep;
  // std::any(...) nests the list with every compiler instead of moving it.
  for (std::size_t i = 0; i < JSONSerialization::maxDepth + 1; ++i) deep = PlainList{std::any(std::move(deep))};
  EXPECT_FALSE(JSONSerialization::data(deep));
}

}  // namespace
}  // namespace zephro::platform::foundation
