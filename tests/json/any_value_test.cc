#include <gtest/gtest.h>

#include <cmath>

#include "zephro/json/any_codable.h"
#include "zephro/json/json_decoder.h"

namespace zephro {
namespace {

template <class T>
bool holds(const AnyCodable& value) {
  return value.value().type() == typeid(T);
}

// Literals take the kinds that decoding yields; other values are held as given.
TEST(AnyCodableConstruction, EachFormPicksItsKind) {
  EXPECT_FALSE(AnyCodable(nullptr).value().has_value());
  EXPECT_TRUE(holds<bool>(true));
  EXPECT_TRUE(holds<std::int64_t>(5));
  EXPECT_TRUE(holds<double>(5.0));
  EXPECT_TRUE(holds<std::string>(std::string_view("text")));
  EXPECT_FALSE(AnyCodable::list({1, "a", nullptr}).as<PlainList>()->at(2).has_value());
  EXPECT_TRUE(holds<std::int8_t>(AnyCodable(std::int8_t{1})));
  EXPECT_TRUE(holds<long long>(AnyCodable(1LL)));
  EXPECT_TRUE(holds<float>(AnyCodable(1.0f)));
  EXPECT_TRUE(holds<std::int32_t>(AnyCodable(std::any(std::int32_t{1})))) << "a std::any gives its content";
  EXPECT_TRUE(holds<std::int64_t>(AnyCodable(std::optional<int>(1))));
  EXPECT_FALSE(AnyCodable(std::optional<std::string>()).value().has_value());
  // A wrapper given to another stays wrapped; a copy does not.
  AnyCodable inner = 7;
  EXPECT_TRUE(holds<AnyCodable>(AnyCodable(std::optional<AnyCodable>(inner))));
  EXPECT_TRUE(holds<AnyEncodable>(AnyCodable(AnyEncodable(7))));
  EXPECT_TRUE(holds<std::int64_t>(AnyCodable{inner}));
  EXPECT_EQ(AnyDecodable(5).value().type(), typeid(std::int64_t));
  static_assert(!std::is_convertible_v<int, AnyDecodable>, "AnyDecodable has no literal forms");
  static_assert(std::is_convertible_v<int, AnyEncodable>);
}

TEST(TextualForms, DescribeTheHeldValue) {
  const std::tuple<AnyCodable, std::string, std::string> cases[] = {
      {AnyCodable(std::optional<int>()), "nil", "AnyCodable(nil)"},
      {AnyCodable(Null{}), "null", "AnyCodable(null)"},
      {2.0, "2.0", "AnyCodable(2.0)"},
      {AnyCodable(0.1f), "0.1", "AnyCodable(0.1)"},
      {"a\"b\n", "a\"b\n", "AnyCodable(\"a\\\"b\\n\")"},
      {JSONDecoder().decode<AnyCodable>(R"([1,"a",null,true,{"k":[]}])"), R"([1, "a", null, true, ["k": []]])",
       R"(AnyCodable([1, "a", null, true, ["k": []]]))"},
      {AnyCodable(PlainMap{}), "[:]", "AnyCodable([:])"},
      {AnyCodable(std::vector<AnyCodable>{1}), "[AnyCodable(1)]", "AnyCodable([AnyCodable(1)])"},
      {AnyCodable(AnyEncodable("x")), "x", "AnyCodable(AnyEncodable(\"x\"))"},
      {AnyCodable::dictionary({{1, "a"}}), R"([1: "a"])", R"(AnyCodable([1: "a"]))"},
      {AnyCodable(Date(std::chrono::seconds(86400))), "1970-01-02 00:00:00 +0000",
       "AnyCodable(1970-01-02 00:00:00 +0000)"},
      {AnyCodable(std::pair<int, int>()), "<std::pair<int, int>>", "AnyCodable(<std::pair<int, int>>)"}};
  for (const auto& [value, description, debugDescription] : cases) {
    EXPECT_EQ(value.description(), description);
    EXPECT_EQ(value.debugDescription(), debugDescription);
  }
  EXPECT_EQ(AnyEncodable(5).debugDescription(), "AnyEncodable(5)");
  EXPECT_EQ(AnyDecodable(5).debugDescription(), "AnyDecodable(5)");
}

using Map = std::map<std::string, AnyCodable>;

std::any json(const char* text) { return JSONDecoder().decode<AnyCodable>(text).value(); }

const std::string composed = "caf\xC3\xA9";     // é as one code point
const std::string decomposed = "cafe\xCC\x81";  // e + combining acute

// The same pair of held values compared as each wrapper: AnyCodable,
// AnyDecodable, AnyEncodable.
TEST(Equality, DependsOnTheWrapperType) {
  const std::tuple<const char*, std::any, std::any, bool, bool, bool> cases[] = {
      {"noneNone", std::any(), std::any(), true, true, true},
      {"noneNull", std::any(), Null{}, false, false, false},
      {"nullNull", Null{}, Null{}, true, true, false},
      {"intInt", std::int64_t{1}, std::int64_t{1}, true, true, true},
      {"intDouble", std::int64_t{1}, 1.0, false, false, false},
      {"intInt64", std::int64_t{1}, 1LL, false, false, false},
      {"intBool", std::int64_t{1}, true, false, false, false},
      {"zeros", -0.0, 0.0, true, true, true},
      {"nan", std::nan(""), std::nan(""), false, false, false},
      {"canonicalText", composed, decomposed, true, true, true},
      {"numbers", Number::ofInt32(2), Number::ofDouble(2.0), true, true, true},
      {"dates", Date{}, Date{}, false, false, false},
      {"decodedLists", json("[1]"), json("[1.0]"), true, false, false},
      {"emptyListAndMap", json("[]"), json("{}"), false, false, false},
      {"decodedMaps", json(R"({"a":[1,null,"x"]})"), json(R"({"a":[1.0,null,"x"]})"), true, false, false},
      {"plainTextByContent", json(R"(["caf\u00e9"])"), json(R"(["cafe\u0301"])"), false, false, false},
      {"literalAndPlainMap", AnyCodable::dictionary({{"a", 1}}).value(), json(R"({"a":1})"), true, false, false}};
  for (const auto& [name, a, b, codable, decodable, encodable] : cases) {
    EXPECT_EQ(AnyCodable(a) == AnyCodable(b), codable) << name;
    EXPECT_EQ(AnyCodable(b) == AnyCodable(a), codable) << name << " (symmetric)";
    EXPECT_EQ(AnyDecodable(a) == AnyDecodable(b), decodable) << name;
    EXPECT_EQ(AnyEncodable(a) == AnyEncodable(b), encodable) << name;
  }
}

TEST(Equality, WrappedCollectionsCompareElementsByTheWrapperRules) {
  EXPECT_EQ(AnyCodable(Map{{"a", 1}, {"b", 2}}), AnyCodable(Map{{"b", 2}, {"a", 1}}));
  EXPECT_NE(AnyCodable(Map{{"a", 1}}), AnyCodable(Map{{"a", 1.0}}));
  EXPECT_NE(AnyCodable(Map{{"a", 1}}), AnyCodable(Map{{"a", 1}, {"b", 2}}));
  // A plain list holding only wrappers counts as a wrapped list.
  EXPECT_EQ(AnyCodable(std::vector<AnyCodable>{1, "x"}), AnyCodable(PlainList{AnyCodable(1), AnyCodable("x")}));
  EXPECT_FALSE(AnyEncodable(std::vector<AnyEncodable>{AnyEncodable(Null{})}) ==
               AnyEncodable(std::vector<AnyEncodable>{AnyEncodable(Null{})}));
  EXPECT_EQ(AnyDecodable(std::vector<AnyDecodable>{AnyDecodable(Null{})}),
            AnyDecodable(std::vector<AnyDecodable>{AnyDecodable(Null{})}));
  // A literal map keeps the first value of a key.
  AnyCodable literal = AnyCodable::dictionary({{"a", 1}, {"b", 2}, {"a", 3}});
  EXPECT_EQ(literal, AnyCodable::dictionary({{"a", 1}, {"b", 2}}));
  EXPECT_NE(literal, AnyCodable::dictionary({{"a", 3}, {"b", 2}}));
}

TEST(Hashing, EqualValuesHashAlikeAndFedPartsAreSeparated) {
  const std::pair<AnyCodable, AnyCodable> equalPairs[] = {
      {AnyCodable(), AnyCodable()},
      {AnyCodable(-0.0), AnyCodable(0.0)},
      {AnyCodable(composed), AnyCodable(decomposed)},
      {AnyCodable(Map{{"a", 1}, {"b", "x"}}), AnyCodable(Map{{"b", "x"}, {"a", 1}})},
      {AnyCodable(json("[1]")), AnyCodable(json("[1.0]"))},
      {AnyCodable(std::vector<AnyCodable>{1}), AnyCodable(PlainList{AnyCodable(1)})}};
  for (const auto& [a, b] : equalPairs) {
    ASSERT_EQ(a, b) << a.debugDescription();
    EXPECT_EQ(a.hashValue(), b.hashValue()) << a.debugDescription();
  }
  // None and null are unequal, yet neither feeds the hasher.
  EXPECT_EQ(AnyCodable().hashValue(), AnyCodable(Null{}).hashValue());
  EXPECT_NE(AnyCodable(1).hashValue(), AnyCodable(2).hashValue());
  EXPECT_NE(AnyCodable(std::vector<AnyCodable>{"ab", "c"}).hashValue(),
            AnyCodable(std::vector<AnyCodable>{"a", "bc"}).hashValue());
  EXPECT_NE(AnyCodable(std::vector<AnyCodable>{}).hashValue(), AnyCodable(std::vector<AnyCodable>{1}).hashValue());
  Hasher a(Hasher::Seed{1, 2}), b(Hasher::Seed{3, 4});
  a.combine(std::uint64_t{5});
  b.combine(std::uint64_t{5});
  EXPECT_NE(a.finalize(), b.finalize()) << "the seed takes part";
}

}  // namespace
}  // namespace zephro
