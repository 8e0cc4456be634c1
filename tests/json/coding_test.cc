#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "zephro/json/any_codable.h"
#include "zephro/json/json_decoder.h"
#include "zephro/json/json_encoder.h"

namespace zephro {
namespace {

// A record shaped like the bridge's messages: every field optional.
struct Message {
  std::optional<std::string> scope;
  std::optional<std::int64_t> id;
  std::optional<Data> payload;

  static Message decode(const Decoder& decoder) {
    auto c = decoder.container();
    return {c.decodeIfPresent<std::string>("scope"), c.decodeIfPresent<std::int64_t>("id"),
            c.decodeIfPresent<Data>("payload")};
  }
};

template <class T>
std::optional<DecodingError> decodingError(std::string_view json) {
  try {
    JSONDecoder().decode<T>(json);
  } catch (const DecodingError& error) {
    return error;
  }
  return std::nullopt;
}

template <class T>
bool reads(const char* json) {
  return !decodingError<T>(json);
}

TEST(KeyedCoding, WrongTypesFailTheWholeDecodeWithTheirPath) {
  using Kind = DecodingError::Kind;
  const std::tuple<const char*, Kind, CodingPath> cases[] = {
      {R"({"id":"5"})", Kind::typeMismatch, {{"id", {}}}},
      {R"({"scope":1})", Kind::typeMismatch, {{"scope", {}}}},
      {R"({"id":true})", Kind::typeMismatch, {{"id", {}}}},
      {R"({"id":1.5})", Kind::dataCorrupted, {{"id", {}}}},
      {R"({"id":2.0})", Kind::dataCorrupted, {{"id", {}}}},
      {R"({"id":9223372036854775808})", Kind::dataCorrupted, {{"id", {}}}},
      {R"({"payload":"a"})", Kind::dataCorrupted, {{"payload", {}}}},
      {"[]", Kind::typeMismatch, {}},
      {"{", Kind::dataCorrupted, {}}};
  for (const auto& [json, kind, path] : cases) {
    std::optional<DecodingError> error = decodingError<Message>(json);
    ASSERT_TRUE(error) << json;
    EXPECT_EQ(error->kind(), kind) << json;
    EXPECT_EQ(error->context().codingPath, path) << json;
  }
}

TEST(PrimitiveCoding, IntegersFailWhenTheNumberDoesNotFit) {
  // Readable as: int8, Int (64 bits), UInt (64 bits), uint32.
  const std::tuple<const char*, bool, bool, bool, bool> cases[] = {
      {"127", true, true, true, true},
      {"-128", true, true, false, false},
      {"128", false, true, true, true},
      {"4294967296", false, true, true, false},
      {"9223372036854775808", false, false, true, false},
      {"18446744073709551616", false, false, false, false},
      {"true", false, false, false, false},
      {"\"1\"", false, false, false, false}};
  for (const auto& [json, int8, int64, uint64, uint32] : cases) {
    EXPECT_EQ(reads<std::int8_t>(json), int8) << json;
    EXPECT_EQ(reads<std::int64_t>(json), int64) << json;
    EXPECT_EQ(reads<std::uint64_t>(json), uint64) << json;
    EXPECT_EQ(reads<std::uint32_t>(json), uint32) << json;
  }
}

TEST(PrimitiveCoding, OtherKindsDoNotConvertAndKeepTheirForms) {
  EXPECT_FALSE(reads<bool>("1"));
  EXPECT_FALSE(reads<bool>("\"true\""));
  EXPECT_TRUE(reads<double>("1"));
  EXPECT_FALSE(reads<float>("1e39"));
  EXPECT_FALSE(reads<std::string>("1"));
  Date date = JSONDecoder().decode<Date>("-1.25");
  EXPECT_EQ(date.time_since_epoch(), std::chrono::milliseconds(-1250));
  EXPECT_EQ(JSONEncoder().encode(date), "-1.25");
  EXPECT_FALSE(reads<Date>("1e300"));
  EXPECT_EQ(JSONDecoder().decode<URL>(R"("file:///a/b.html")").absoluteString(), "file:///a/b.html");
  EXPECT_FALSE(reads<URL>(R"("not a url")"));
}

TEST(PrimitiveCoding, Base64IsStrict) {
  for (const char* json : {R"("")", R"("AA==")", R"("AAA=")", R"("AAAA")"}) EXPECT_TRUE(reads<Data>(json)) << json;
  for (const char* json : {R"("A")", R"("AA=")", R"("A===")", R"("AB==")", R"("AA==AA==")", R"("AA AA")"}) {
    EXPECT_FALSE(reads<Data>(json)) << json;
  }
  Data all;
  for (int i = 0; i < 256; ++i) all.push_back(static_cast<std::uint8_t>(i));
  for (std::size_t n = 0; n < 5; ++n) {
    Data part(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(250 + n));
    EXPECT_EQ(JSONDecoder().decode<Data>(JSONEncoder().encode(part)), part);
  }
}

}  // namespace
}  // namespace zephro
