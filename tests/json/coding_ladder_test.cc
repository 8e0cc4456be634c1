// AnyCodable through JSON text: the decoding ladder picks a kind for each
// token; the encoding ladder writes each kind's form.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>

#include "zephro/json/any_codable.h"
#include "zephro/json/json_decoder.h"
#include "zephro/json/json_encoder.h"

namespace zephro {
namespace {

using Map = std::map<std::string, AnyCodable>;

AnyCodable decoded(std::string_view json) { return JSONDecoder().decode<AnyCodable>(json); }

std::string nested(std::size_t depth, const std::string& inner) {
  return std::string(depth, '[') + inner + std::string(depth, ']');
}

TEST(DecodingLadder, TakesTheFirstReadThatSucceeds) {
  const std::pair<const char*, const std::type_info&> cases[] = {
      {"null", typeid(Null)},
      {"false", typeid(bool)},
      {"-0", typeid(std::int64_t)},
      {"9223372036854775807", typeid(std::int64_t)},
      {"-9223372036854775808", typeid(std::int64_t)},
      {"9223372036854775808", typeid(std::uint64_t)},
      {"18446744073709551615", typeid(std::uint64_t)},
      {"18446744073709551616", typeid(double)},
      {"-9223372036854775809", typeid(double)},
      {"2.0", typeid(double)},
      {"1e3", typeid(double)},
      {"\"12\"", typeid(std::string)},
      {"[]", typeid(PlainList)},
      {"{}", typeid(PlainMap)}};
  for (const auto& [json, kind] : cases) EXPECT_EQ(decoded(json).value().type(), kind) << json;
  EXPECT_EQ(*decoded("\"caf\\u00e9\"").as<std::string>(), "caf\xC3\xA9");
  EXPECT_EQ(*decoded("\"\\udfff\\ud800\"").as<std::string>(), "\uFFFD\uFFFD");
}

TEST(DecodingLadder, BadTextAndDeepNestingFailAsDecodingErrors) {
  using namespace std::string_literals;
  for (const std::string& json : {""s, "{"s, "[1,]"s, "tru"s, "\"\xFF\""s, "1 2"s, "{\"a\" 1}"s, "NaN"s, "[1]\0x"s}) {
    EXPECT_THROW(decoded(json), DecodingError) << json;
    EXPECT_THROW(JSONDecoder::parse(json), DecodingError) << json;
  }
  try {
    decoded(nested(maxCodingDepth + 2, ""));
    FAIL() << "decoded";
  } catch (const DecodingError& error) {
    EXPECT_EQ(error.kind(), DecodingError::Kind::dataCorrupted);
    EXPECT_EQ(error.context().debugDescription, "AnyDecodable value cannot be decoded");
    EXPECT_TRUE(error.context().codingPath.empty());
  }
  EXPECT_NO_THROW(decoded(nested(maxCodingDepth + 1, "")));
}

// Text is decoded straight from the parser's events; that must change nothing.
TEST(DecodingLadder, TextAndParsedTreeGiveTheSameValueOrError) {
  auto outcome = [](auto decode) -> std::string {
    try {
      return JSONEncoder().encode(decode());
    } catch (const DecodingError& error) {
      return std::string("error: ") + error.what();
    }
  };
  for (const std::string& text :
       {std::string(R"({"b":1,"a":[null,true,-0,9223372036854775808,1e-7],"b":"last"})"),
        nested(maxCodingDepth + 1, "1"), nested(maxCodingDepth, "{\"k\":1}"), nested(maxCodingDepth + 1, "1") + "x",
        nested(maxCodingDepth + 5, "{\"k\":[}"), std::string("1e400")}) {
    EXPECT_EQ(outcome([&] { return decoded(text); }),
              outcome([&] { return JSONDecoder().decodeTree<AnyCodable>(JSONDecoder::parse(text)); }))
        << text.substr(0, 80);
  }
}

template <class Wrapper>
std::string encoded(const Wrapper& value) {
  return JSONEncoder().encode(value);
}

struct Point : Encodable {
  void encode(Encoder& encoder) const override {
    auto c = encoder.container();
    c.encode("x", 1);
    c.encode("y", 2);
  }
};

TEST(EncodingLadder, WritesEachKindsJSONForm) {
  const std::pair<AnyCodable, std::string> cases[] = {
      {AnyCodable(), "null"},
      {AnyCodable(Null{}), "null"},
      {AnyCodable(std::numeric_limits<unsigned long long>::max()), "18446744073709551615"},
      {AnyCodable(std::numeric_limits<long long>::min()), "-9223372036854775808"},
      {AnyCodable(0.1f), "0.1"},
      {2.0, "2.0"},
      {"a\"b\n\xC3\xA9", "\"a\\\"b\\n\xC3\xA9\""},
      {AnyCodable(Number::ofBool(true)), "true"},
      {AnyCodable(Number::ofUInt64(std::numeric_limits<std::uint64_t>::max())), "18446744073709551615"},
      {AnyCodable(Date(std::chrono::milliseconds(1500))), "1.5"},
      {AnyCodable(*URL::parse("https://example.com/a?b=1")), "\"https://example.com/a?b=1\""},
      {AnyCodable(Data{'h', 'i', '!', '?'}), "\"aGkhPw==\""},
      {AnyCodable(AnyCodable(AnyEncodable(7))), "7"},
      {AnyCodable(PlainList{std::any(), std::any(Null{}), std::any(true)}), "[null,null,true]"},
      {AnyCodable(PlainMap{{"b", std::any()}, {"a", std::any(1.5)}}), R"({"a":1.5,"b":null})"},
      {AnyCodable(std::vector<AnyEncodable>{1, "x"}), R"([1,"x"])"},
      {AnyCodable(Map{{"k", AnyCodable::list({1, AnyCodable(PlainMap{})})}}), R"({"k":[1,{}]})"},
      {AnyCodable::dictionary({{"z", 1}, {"a", 2}, {"z", 3}}), R"({"z":1,"a":2})"},
      {AnyCodable(std::make_shared<Point>()), R"({"x":1,"y":2})"}};
  for (const auto& [value, json] : cases) EXPECT_EQ(encoded(value), json) << value.debugDescription();
}

TEST(EncodingLadder, FailsWithTheOffendingValueAndItsPath) {
  const std::string unencodable = "AnyEncodable value cannot be encoded";
  const std::tuple<AnyEncodable, std::string, CodingPath> cases[] = {
      {AnyEncodable(std::pair<int, int>(1, 2)), unencodable, {}},
      {AnyEncodable::dictionary({{1, "a"}}), unencodable, {}},
      {AnyEncodable(Number::withCode('x', 1)), "NSNumber cannot be encoded because its type is not handled", {}},
      {AnyEncodable(std::vector<AnyDecodable>{AnyDecodable(1)}), unencodable, {CodingKey::index(0)}},
      {AnyEncodable(PlainMap{{"a", PlainList{std::any(1), std::any(std::pair<int, int>())}}}), unencodable,
       {CodingKey{"a", {}}, CodingKey::index(1)}}};
  for (const auto& [value, description, path] : cases) {
    try {
      encoded(value);
      ADD_FAILURE() << "encoded " << value.debugDescription();
    } catch (const EncodingError& error) {
      EXPECT_EQ(error.context().debugDescription, description);
      EXPECT_EQ(error.context().codingPath, path);
      EXPECT_TRUE(error.value().has_value());
    }
  }
}

TEST(EncodingLadder, WhatJSONCannotHoldFails) {
  for (double v : {std::nan(""), std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()}) {
    EXPECT_THROW(encoded(AnyEncodable(v)), EncodingError);
    EXPECT_THROW(encoded(AnyEncodable(static_cast<float>(v))), EncodingError);
  }
  EXPECT_THROW(encoded(AnyEncodable(std::string("\xC3"))), EncodingError);
  EXPECT_THROW(encoded(AnyEncodable(PlainMap{{"\xC3", std::any(true)}})), EncodingError);
  AnyCodable deep(1);
  for (std::size_t i = 0; i < maxCodingDepth + 2; ++i) deep = AnyCodable(std::vector<AnyCodable>{deep});
  EXPECT_THROW(encoded(deep), EncodingError);
}

// Plain values are written without a tree; the text, or the failure, must be
// the tree's.
TEST(EncodingLadder, TextWrittenWithoutATreeIsTheTreesText) {
  auto outcome = [](auto encode) -> std::string {
    try {
      return encode();
    } catch (const EncodingError& error) {
      return std::string("error: ") + error.what();
    }
  };
  PlainList deepest{std::any(true)};
  for (std::size_t i = 0; i + 1 < maxCodingDepth; ++i) deepest = PlainList{std::any(std::move(deepest))};
  const AnyCodable cases[] = {
      decoded(R"({"t":"\u0000\u001f\u007f\"\\/\b\f\n\r\t é 客厅 \ud83d\ude00","i":[-9223372036854775808,)"
              R"(9223372036854775807,18446744073709551615,0],"n":null,"b":[true,false],"e":[{},[]]})"),
      decoded(nested(maxCodingDepth, "1")),
      decoded(nested(maxCodingDepth - 1, "1")),
      AnyCodable(deepest),
      AnyCodable(PlainList{std::any(deepest)}),
      AnyCodable(PlainMap{{"\xC3", std::any(true)}}),
      AnyCodable(PlainList{std::any(std::string("\xC3"))}),
      AnyCodable(PlainList{std::any(1), std::any(2.0)}),
      AnyCodable(PlainMap{{"a", std::any()}})};
  for (const AnyCodable& value : cases) {
    EXPECT_EQ(outcome([&] { return encoded(value); }),
              outcome([&] { return JSONEncoder::dump(JSONEncoder().encodeTree(value)); }))
        << value.debugDescription().substr(0, 80);
  }
}

}  // namespace
}  // namespace zephro
