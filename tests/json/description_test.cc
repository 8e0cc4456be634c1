#include <gtest/gtest.h>

#include "zephro/json/any_codable.h"
#include "zephro/json/json_decoder.h"

namespace zephro {
namespace {

struct TextCase {
  AnyCodable value;
  std::string description;
  std::string debugDescription;
};

class TextualForms : public ::testing::TestWithParam<TextCase> {};

TEST_P(TextualForms, DescribeTheHeldValue) {
  EXPECT_EQ(GetParam().value.description(), GetParam().description);
  EXPECT_EQ(GetParam().value.debugDescription(), GetParam().debugDescription);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, TextualForms,
    ::testing::Values(
        TextCase{AnyCodable(std::optional<int>()), "nil", "AnyCodable(nil)"},
        TextCase{AnyCodable(Null{}), "null", "AnyCodable(null)"}, TextCase{5, "5", "AnyCodable(5)"},
        TextCase{AnyCodable(std::int8_t{-5}), "-5", "AnyCodable(-5)"}, TextCase{2.0, "2.0", "AnyCodable(2.0)"},
        TextCase{AnyCodable(0.1f), "0.1", "AnyCodable(0.1)"}, TextCase{true, "true", "AnyCodable(true)"},
        TextCase{"a\"b\n", "a\"b\n", "AnyCodable(\"a\\\"b\\n\")"},
        TextCase{JSONDecoder().decode<AnyCodable>(R"([1,"a",null,{"k":[]}])"), R"([1, "a", null, ["k": []]])",
                 R"(AnyCodable([1, "a", null, ["k": []]]))"},
        TextCase{AnyCodable(PlainMap{}), "[:]", "AnyCodable([:])"},
        TextCase{AnyCodable(std::vector<AnyCodable>{1}), "[AnyCodable(1)]", "AnyCodable([AnyCodable(1)])"},
        TextCase{AnyCodable(AnyEncodable("x")), "x", "AnyCodable(AnyEncodable(\"x\"))"},
        TextCase{AnyCodable::dictionary({{1, "a"}}), R"([1: "a"])", R"(AnyCodable([1: "a"]))"},
        TextCase{AnyCodable(Date(std::chrono::seconds(86400))), "1970-01-02 00:00:00 +0000",
                 "AnyCodable(1970-01-02 00:00:00 +0000)"},
        TextCase{AnyCodable(Number::ofDouble(2.5)), "2.5", "AnyCodable(2.5)"},
        TextCase{AnyCodable(std::pair<int, int>()), "<std::pair<int, int>>", "AnyCodable(<std::pair<int, int>>)"}));

TEST(TextualForms, EachTwinNamesItself) {
  EXPECT_EQ(AnyEncodable(5).debugDescription(), "AnyEncodable(5)");
  EXPECT_EQ(AnyDecodable(5).debugDescription(), "AnyDecodable(5)");
}

}  // namespace
}  // namespace zephro
