#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "zephro/json/any_codable.h"
#include "zephro/json/json_decoder.h"
#include "zephro/json/json_encoder.h"

namespace zephro {
namespace {

struct LadderCase {
  const char* json;
  const std::type_info& kind;
};

class DecodingLadderKinds : public ::testing::TestWithParam<LadderCase> {};

TEST_P(DecodingLadderKinds, TakesTheFirstReadThatSucceeds) {
  AnyCodable decoded = JSONDecoder().decode<AnyCodable>(GetParam().json);
  EXPECT_EQ(decoded.value().type(), GetParam().kind) << GetParam().json;
}

INSTANTIATE_TEST_SUITE_P(Tokens, DecodingLadderKinds,
                         ::testing::Values(LadderCase{"null", typeid(Null)}, LadderCase{"true", typeid(bool)},
                                           LadderCase{"false", typeid(bool)}, LadderCase{"0", typeid(std::int64_t)},
                                           LadderCase{"1", typeid(std::int64_t)},
                                           LadderCase{"-0", typeid(std::int64_t)},
                                           LadderCase{"9223372036854775807", typeid(std::int64_t)},
                                           LadderCase{"-9223372036854775808", typeid(std::int64_t)},
                                           LadderCase{"9223372036854775808", typeid(std::uint64_t)},
                                           LadderCase{"18446744073709551615", typeid(std::uint64_t)},
                                           LadderCase{"18446744073709551616", typeid(double)},
                                           LadderCase{"-9223372036854775809", typeid(double)},
                                           LadderCase{"1.5", typeid(double)}, LadderCase{"2.0", typeid(double)},
                                           LadderCase{"1e3", typeid(double)}, LadderCase{"\"12\"", typeid(std::string)},
                                           LadderCase{"[]", typeid(PlainList)}, LadderCase{"{}", typeid(PlainMap)}));

TEST(DecodingLadder, ValuesAreKeptExactly) {
  JSONDecoder decoder;
  EXPECT_EQ(*decoder.decode<AnyCodable>("9223372036854775808").as<std::uint64_t>(), 9223372036854775808ULL);
  EXPECT_EQ(*decoder.decode<AnyCodable>("-9223372036854775808").as<std::int64_t>(),
            std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(*decoder.decode<AnyCodable>("\"caf\\u00e9\"").as<std::string>(), "caf\xC3\xA9");
  EXPECT_EQ(decoder.decode<AnyCodable>("\"12\"").as<std::int64_t>(), nullptr);
}

TEST(DecodingLadder, NestedValuesArePlainAtEveryDepth) {
  AnyCodable decoded = JSONDecoder().decode<AnyCodable>(R"([1, "a", null, [true], {"k": {"n": 2}}])");
  const PlainList& list = *decoded.as<PlainList>();
  ASSERT_EQ(list.size(), 5u);
  EXPECT_EQ(std::any_cast<std::int64_t>(list[0]), 1);
  EXPECT_EQ(std::any_cast<std::string>(list[1]), "a");
  EXPECT_EQ(list[2].type(), typeid(Null));
  EXPECT_TRUE(std::any_cast<bool>(std::any_cast<PlainList>(list[3]).at(0)));
  const auto& inner = std::any_cast<PlainMap>(std::any_cast<PlainMap>(list[4]).at("k"));
  EXPECT_EQ(std::any_cast<std::int64_t>(inner.at("n")), 2);
}

TEST(DecodingLadder, TwinDecodesTheSameWay) {
  AnyDecodable decoded = JSONDecoder().decode<AnyDecodable>(R"({"a": [1.5]})");
  EXPECT_EQ(std::any_cast<double>(std::any_cast<PlainList>(decoded.as<PlainMap>()->at("a")).at(0)), 1.5);
}

class DecodingLadderFailures : public ::testing::TestWithParam<const char*> {};

TEST_P(DecodingLadderFailures, NothingEscapes) {
  EXPECT_THROW(JSONDecoder().decode<AnyCodable>(GetParam()), DecodingError) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Inputs, DecodingLadderFailures,
                         ::testing::Values("", "{", "[1,]", "tru", "\"\xFF\"", "1 2", "{\"a\" 1}", "NaN"));

TEST(DecodingLadder, NestingDeeperThanTheLimitFailsForTheOuterValue) {
  std::size_t depth = maxCodingDepth + 2;
  std::string deep = std::string(depth, '[') + std::string(depth, ']');
  try {
    JSONDecoder().decode<AnyCodable>(deep);
    FAIL() << "decoded";
  } catch (const DecodingError& error) {
    EXPECT_EQ(error.kind(), DecodingError::Kind::dataCorrupted);
    EXPECT_EQ(error.context().debugDescription, "AnyDecodable value cannot be decoded");
    EXPECT_TRUE(error.context().codingPath.empty());
  }
  std::string allowed = std::string(maxCodingDepth + 1, '[') + std::string(maxCodingDepth + 1, ']');
  EXPECT_NO_THROW(JSONDecoder().decode<AnyCodable>(allowed));
}

std::string nested(std::size_t depth, const std::string& inner) {
  return std::string(depth, '[') + inner + std::string(depth, ']');
}

class TextAndTreeDecoding : public ::testing::TestWithParam<std::string> {};

// Text is decoded straight from the parser's events; that must change nothing.
TEST_P(TextAndTreeDecoding, GiveTheSameValueOrError) {
  auto outcome = [](auto decode) -> std::string {
    try {
      return JSONEncoder().encode(decode());
    } catch (const DecodingError& error) {
      return std::string("error: ") + error.what();
    }
  };
  const std::string& text = GetParam();
  std::string fromText = outcome([&] { return JSONDecoder().decode<AnyCodable>(text); });
  std::string fromTree = outcome([&] { return JSONDecoder().decodeTree<AnyCodable>(JSONDecoder::parse(text)); });
  EXPECT_EQ(fromText, fromTree);
}

INSTANTIATE_TEST_SUITE_P(Inputs, TextAndTreeDecoding,
                         ::testing::Values(R"({"b":1,"a":[null,true,-0,9223372036854775808,1e-7],"b":"last"})",
                                           nested(maxCodingDepth + 1, ""), nested(maxCodingDepth + 1, "1"),
                                           nested(maxCodingDepth, "{\"k\":1}"), nested(maxCodingDepth + 1, "1") + "x",
                                           nested(maxCodingDepth + 5, "{\"k\":[}"), "[1,]", "1e400"));

}  // namespace
}  // namespace zephro
