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

std::string encoded(const AnyCodable& value) { return JSONEncoder().encode(value); }

struct Point : Encodable {
  void encode(Encoder& encoder) const override {
    auto c = encoder.container();
    c.encode("x", 1);
    c.encode("y", 2);
  }
};

struct EncodeCase {
  const char* name;
  AnyCodable value;
  std::string json;
};

class EncodingLadderForms : public ::testing::TestWithParam<EncodeCase> {};

TEST_P(EncodingLadderForms, WritesTheKindsJSONForm) { EXPECT_EQ(encoded(GetParam().value), GetParam().json); }

INSTANTIATE_TEST_SUITE_P(
    Kinds, EncodingLadderForms,
    ::testing::Values(
        EncodeCase{"none", AnyCodable(), "null"},
        EncodeCase{"absentOptional", AnyCodable(std::optional<int>()), "null"},
        EncodeCase{"null", AnyCodable(Null{}), "null"}, EncodeCase{"bool", true, "true"},
        EncodeCase{"int8", AnyCodable(std::int8_t{-5}), "-5"},
        EncodeCase{"uint64Max", AnyCodable(std::numeric_limits<unsigned long long>::max()), "18446744073709551615"},
        EncodeCase{"int64Min", AnyCodable(std::numeric_limits<long long>::min()), "-9223372036854775808"},
        EncodeCase{"floatShortest", AnyCodable(0.1f), "0.1"}, EncodeCase{"double", 2.5, "2.5"},
        EncodeCase{"integralDouble", 2.0, "2.0"}, EncodeCase{"string", "a\"b\n\xC3\xA9", "\"a\\\"b\\n\xC3\xA9\""},
        EncodeCase{"numberBool", AnyCodable(Number::ofBool(true)), "true"},
        EncodeCase{"numberDouble", AnyCodable(Number::ofDouble(2.5)), "2.5"},
        EncodeCase{"numberShort", AnyCodable(Number::ofInt16(-7)), "-7"},
        EncodeCase{"numberUInt64", AnyCodable(Number::ofUInt64(std::numeric_limits<std::uint64_t>::max())),
                   "18446744073709551615"},
        EncodeCase{"date", AnyCodable(Date(std::chrono::milliseconds(1500))), "1.5"},
        EncodeCase{"url", AnyCodable(*URL::parse("https://example.com/a?b=1")), "\"https://example.com/a?b=1\""},
        EncodeCase{"data", AnyCodable(Data{'h', 'i', '!', '?'}), "\"aGkhPw==\""},
        EncodeCase{"wrappedInside", AnyCodable(AnyCodable(AnyEncodable(7))), "7"},
        EncodeCase{"plainListWithAbsent", AnyCodable(PlainList{std::any(), std::any(Null{}), std::any(true)}),
                   "[null,null,true]"},
        EncodeCase{"plainMapWithAbsent", AnyCodable(PlainMap{{"b", std::any()}, {"a", std::any(1.5)}}),
                   "{\"a\":1.5,\"b\":null}"},
        EncodeCase{"wrappedList", AnyCodable(std::vector<AnyEncodable>{1, "x"}), "[1,\"x\"]"},
        EncodeCase{"wrappedMap", AnyCodable(std::map<std::string, AnyCodable>{{"k", AnyCodable::list({1})}}),
                   "{\"k\":[1]}"},
        EncodeCase{"literalMapInWrittenOrder", AnyCodable::dictionary({{"z", 1}, {"a", 2}, {"z", 3}}),
                   "{\"z\":1,\"a\":2}"},
        EncodeCase{"emptyCollections", AnyCodable::list({AnyCodable(PlainList{}), AnyCodable(PlainMap{})}), "[[],{}]"},
        EncodeCase{"encodableObject", AnyCodable(std::make_shared<Point>()),
                   "{\"x\":1,\"y\":2}"}),
    [](const auto& info) { return std::string(info.param.name); });

struct FailureCase {
  const char* name;
  AnyEncodable value;
  std::string description;
  CodingPath path;
};

class EncodingLadderFailures : public ::testing::TestWithParam<FailureCase> {};

TEST_P(EncodingLadderFailures, ThrowInvalidValueWithTheOffendingValue) {
  try {
    JSONEncoder().encode(GetParam().value);
    FAIL() << "encoded";
  } catch (const EncodingError& error) {
    EXPECT_EQ(error.context().debugDescription, GetParam().description);
    EXPECT_EQ(error.context().codingPath, GetParam().path);
    EXPECT_TRUE(error.value().has_value());
  }
}

const std::string unencodable = "AnyEncodable value cannot be encoded";

INSTANTIATE_TEST_SUITE_P(
    Values, EncodingLadderFailures,
    ::testing::Values(FailureCase{"tuple", AnyEncodable(std::pair<int, int>(1, 2)), unencodable, {}},
                      FailureCase{"nonStringKey", AnyEncodable::dictionary({{1, "a"}}), unencodable, {}},
                      FailureCase{"numberCode",
                                  AnyEncodable(Number::withCode('x', 1)),
                                  "NSNumber cannot be encoded because its type is not handled",
                                  {}},
                      FailureCase{"decodableElement",
                                  AnyEncodable(std::vector<AnyDecodable>{AnyDecodable(1)}),
                                  unencodable,
                                  {CodingKey::index(0)}},
                      FailureCase{"deepInMap",
                                  AnyEncodable(PlainMap{
                                      {"a", std::any(PlainList{std::any(1), std::any(std::pair<int, int>())})}}),
                                  unencodable,
                                  {CodingKey{"a", {}}, CodingKey::index(1)}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EncodingLadder, NumbersAndTextJSONCannotHoldFail) {
  for (double v : {std::nan(""), std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()}) {
    EXPECT_THROW(encoded(AnyCodable(v)), EncodingError);
    EXPECT_THROW(encoded(AnyCodable(static_cast<float>(v))), EncodingError);
  }
  EXPECT_THROW(encoded(AnyCodable(std::string("\xC3"))), EncodingError);
}

TEST(EncodingLadder, NestingDeeperThanTheLimitFails) {
  AnyCodable value(1);
  for (std::size_t i = 0; i < maxCodingDepth + 2; ++i) value = AnyCodable(std::vector<AnyCodable>{value});
  EXPECT_THROW(encoded(value), EncodingError);
}

TEST(EncodingLadder, DecodedValuesRoundTripToTheSameText) {
  for (const char* json : {R"([1,"a",null,[true]])", "[]", "{}", R"({"a":{"b":[1.5,-2,18446744073709551615]}})"}) {
    EXPECT_EQ(encoded(JSONDecoder().decode<AnyCodable>(json)), json);
  }
}

}  // namespace
}  // namespace zephro
