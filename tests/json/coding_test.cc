#include <gtest/gtest.h>

#include <map>
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
  std::optional<std::map<std::string, AnyCodable>> params;
  std::optional<Data> payload;
  std::optional<bool> success;

  static Message decode(const Decoder& decoder) {
    auto c = decoder.container();
    Message m;
    m.scope = c.decodeIfPresent<std::string>("scope");
    m.id = c.decodeIfPresent<std::int64_t>("id");
    m.params = c.decodeIfPresent<std::map<std::string, AnyCodable>>("params");
    m.payload = c.decodeIfPresent<Data>("payload");
    m.success = c.decodeIfPresent<bool>("success");
    return m;
  }
  void encode(Encoder& encoder) const {
    auto c = encoder.container();
    c.encodeIfPresent("scope", scope);
    c.encodeIfPresent("id", id);
    c.encodeIfPresent("params", params);
    c.encodeIfPresent("payload", payload);
    c.encodeIfPresent("success", success);
  }
};

DecodingError decodingError(std::string_view json) {
  try {
    JSONDecoder().decode<Message>(json);
  } catch (const DecodingError& error) {
    return error;
  }
  ADD_FAILURE() << "decoded " << json;
  return DecodingError::dataCorrupted({}, "");
}

TEST(KeyedCoding, OptionalKeysMissingOrNullAreAbsent) {
  Message m = JSONDecoder().decode<Message>(R"({"scope":null,"other":[1],"id":5})");
  EXPECT_FALSE(m.scope);
  EXPECT_EQ(m.id, 5);
  EXPECT_FALSE(m.params);
}

TEST(KeyedCoding, WrongTypesFailWholeDecodeWithTheirPath) {
  struct Case {
    const char* json;
    DecodingError::Kind kind;
    CodingPath path;
  };
  using Kind = DecodingError::Kind;
  for (const Case& c : {Case{R"({"id":"5"})", Kind::typeMismatch, {{"id", {}}}},
                        Case{R"({"scope":1})", Kind::typeMismatch, {{"scope", {}}}},
                        Case{R"({"params":[]})", Kind::typeMismatch, {{"params", {}}}},
                        Case{R"({"success":1})", Kind::typeMismatch, {{"success", {}}}},
                        Case{R"({"id":true})", Kind::typeMismatch, {{"id", {}}}},
                        Case{R"({"id":1.5})", Kind::dataCorrupted, {{"id", {}}}},
                        Case{R"({"id":2.0})", Kind::dataCorrupted, {{"id", {}}}},
                        Case{R"({"id":9223372036854775808})", Kind::dataCorrupted, {{"id", {}}}},
                        Case{R"({"payload":"a"})", Kind::dataCorrupted, {{"payload", {}}}},
                        Case{R"([])", Kind::typeMismatch, {}}, Case{"{", Kind::dataCorrupted, {}}}) {
    DecodingError error = decodingError(c.json);
    EXPECT_EQ(error.kind(), c.kind) << c.json;
    EXPECT_EQ(error.context().codingPath, c.path) << c.json;
  }
}

TEST(KeyedCoding, RequiredReadsTellMissingFromNull) {
  auto read = [](const char* json) {
    try {
      auto tree = JSONDecoder::parse(json);
      Decoder(tree).container().decode<std::int64_t>("n");
    } catch (const DecodingError& error) {
      return std::optional(error.kind());
    }
    return std::optional<DecodingError::Kind>();
  };
  EXPECT_EQ(read(R"({})"), DecodingError::Kind::keyNotFound);
  EXPECT_EQ(read(R"({"n":null})"), DecodingError::Kind::valueNotFound);
  EXPECT_EQ(read(R"({"n":3})"), std::nullopt);
}

TEST(KeyedCoding, EncodesOnlyPresentFieldsInCallOrder) {
  Message m;
  m.success = true;
  m.scope = "app";
  EXPECT_EQ(JSONEncoder().encode(m), R"({"scope":"app","success":true})");
  EXPECT_EQ(JSONEncoder().encode(Message{}), "{}");
}

TEST(KeyedCoding, RoundTripsEveryFieldKind) {
  Message m;
  m.scope = "app";
  m.id = -1;
  m.params = std::map<std::string, AnyCodable>{{"key", "homeId"}, {"value", AnyCodable::list({1, 2.5})}};
  m.payload = Data{0, 1, 2, 255};
  m.success = false;
  std::string json = JSONEncoder().encode(m);
  EXPECT_EQ(
      json,
      R"({"scope":"app","id":-1,"params":{"key":"homeId","value":[1,2.5]},"payload":"AAEC/w==","success":false})");
  Message back = JSONDecoder().decode<Message>(json);
  EXPECT_EQ(back.params, m.params);
  EXPECT_EQ(back.payload, m.payload);
  EXPECT_EQ(JSONEncoder().encode(back), json);
}

struct IntegerCase {
  const char* json;
  bool fitsInt8, fitsInt, fitsUInt, fitsUInt32;
};

class IntegerReads : public ::testing::TestWithParam<IntegerCase> {};

template <class T>
bool reads(const char* json) {
  try {
    JSONDecoder().decode<T>(json);
    return true;
  } catch (const DecodingError&) {
    return false;
  }
}

TEST_P(IntegerReads, FailWhenTheNumberDoesNotFit) {
  const IntegerCase& c = GetParam();
  EXPECT_EQ(reads<std::int8_t>(c.json), c.fitsInt8) << c.json;
  EXPECT_EQ(reads<std::int64_t>(c.json), c.fitsInt) << c.json;
  EXPECT_EQ(reads<std::uint64_t>(c.json), c.fitsUInt) << c.json;
  EXPECT_EQ(reads<std::uint32_t>(c.json), c.fitsUInt32) << c.json;
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, IntegerReads,
    ::testing::Values(IntegerCase{"127", true, true, true, true}, IntegerCase{"-128", true, true, false, false},
                      IntegerCase{"128", false, true, true, true}, IntegerCase{"-1", true, true, false, false},
                      IntegerCase{"4294967296", false, true, true, false},
                      IntegerCase{"9223372036854775808", false, false, true, false},
                      IntegerCase{"18446744073709551616", false, false, false, false},
                      IntegerCase{"1.0", false, false, false, false}, IntegerCase{"true", false, false, false, false},
                      IntegerCase{"\"1\"", false, false, false, false}));

TEST(PrimitiveCoding, BoolsAndFloatsDoNotConvert) {
  EXPECT_FALSE(reads<bool>("1"));
  EXPECT_FALSE(reads<bool>("\"true\""));
  EXPECT_TRUE(reads<double>("1"));
  EXPECT_FALSE(reads<float>("1e39"));
  EXPECT_FALSE(reads<std::string>("1"));
}

TEST(PrimitiveCoding, DatesAndURLsHaveTheirForms) {
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

TEST(UnkeyedCoding, WalksElementsAndReportsIndexPaths) {
  auto tree = JSONDecoder::parse(R"([1, null, "x", {"k": [true]}])");
  auto list = Decoder(tree).unkeyedContainer();
  EXPECT_EQ(list.count(), 4u);
  EXPECT_EQ(list.decode<int>(), 1);
  EXPECT_EQ(list.decodeIfPresent<std::string>(), std::nullopt);
  try {
    list.decode<int>();
    FAIL();
  } catch (const DecodingError& error) {
    EXPECT_EQ(error.context().codingPath, CodingPath{CodingKey::index(2)});
  }
  EXPECT_EQ(list.decode<std::string>(), "x");  // a failed read leaves the position
  auto object = list.nestedContainer();
  auto inner = object.nestedUnkeyedContainer("k");
  EXPECT_EQ(inner.codingPath(), (CodingPath{CodingKey::index(3), CodingKey{"k", {}}}));
  EXPECT_TRUE(inner.decode<bool>());
  EXPECT_TRUE(list.isAtEnd());
  EXPECT_THROW(list.decode<int>(), DecodingError);
}

TEST(UnkeyedCoding, EncodesNestedContainers) {
  struct Table {
    void encode(Encoder& encoder) const {
      auto rows = encoder.unkeyedContainer();
      rows.encode(std::vector<int>{1, 2});
      auto row = rows.nestedContainer();
      row.encode("name", "a");
      row.encodeNil("none");
      auto cells = row.nestedUnkeyedContainer("cells");
      cells.encodeNil();
      cells.encode(std::optional<double>(0.5));
    }
  };
  EXPECT_EQ(JSONEncoder().encode(Table{}), R"([[1,2],{"name":"a","none":null,"cells":[null,0.5]}])");
}

TEST(KeyedCoding, WritingAKeyAgainReplacesItInPlace) {
  struct Twice {
    void encode(Encoder& encoder) const {
      auto c = encoder.container();
      c.encode("a", 1);
      c.encode("b", 2);
      c.encode("a", 3);
    }
  };
  EXPECT_EQ(JSONEncoder().encode(Twice{}), R"({"a":3,"b":2})");
}

}  // namespace
}  // namespace zephro
