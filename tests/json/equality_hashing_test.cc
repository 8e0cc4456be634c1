#include <gtest/gtest.h>

#include <cmath>
#include <unordered_set>

#include "zephro/json/any_codable.h"
#include "zephro/json/json_decoder.h"

namespace zephro {
namespace {

template <class W>
W decoded(const char* json) {
  return W(JSONDecoder().decode<AnyCodable>(json).value());
}

// The same pair of held values, compared as each of the three wrappers.
struct EqualityCase {
  const char* name;
  std::any a, b;
  bool codable, decodable, encodable;
};

class EqualityByWrapperType : public ::testing::TestWithParam<EqualityCase> {};

TEST_P(EqualityByWrapperType, DependOnTheWrapperType) {
  const EqualityCase& c = GetParam();
  EXPECT_EQ(AnyCodable(c.a) == AnyCodable(c.b), c.codable);
  EXPECT_EQ(AnyDecodable(c.a) == AnyDecodable(c.b), c.decodable);
  EXPECT_EQ(AnyEncodable(c.a) == AnyEncodable(c.b), c.encodable);
  EXPECT_EQ(AnyCodable(c.b) == AnyCodable(c.a), c.codable) << "symmetric";
}

std::any json(const char* text) { return JSONDecoder().decode<AnyCodable>(text).value(); }

const std::string composed = "caf\xC3\xA9";     // é as one code point
const std::string decomposed = "cafe\xCC\x81";  // e + combining acute

INSTANTIATE_TEST_SUITE_P(
    Pairs, EqualityByWrapperType,
    ::testing::Values(
        EqualityCase{"noneNone", std::any(), std::any(), true, true, true},
        EqualityCase{"noneNull", std::any(), Null{}, false, false, false},
        EqualityCase{"nullNull", Null{}, Null{}, true, true, false},
        EqualityCase{"intInt", std::int64_t{1}, std::int64_t{1}, true, true, true},
        EqualityCase{"intDouble", std::int64_t{1}, 1.0, false, false, false},
        EqualityCase{"intInt64", std::int64_t{1}, 1LL, false, false, false},
        EqualityCase{"intBool", std::int64_t{1}, true, false, false, false},
        EqualityCase{"uint8", std::uint8_t{7}, std::uint8_t{7}, true, true, true},
        EqualityCase{"zeros", -0.0, 0.0, true, true, true},
        EqualityCase{"nan", std::nan(""), std::nan(""), false, false, false},
        EqualityCase{"floatZeros", -0.0f, 0.0f, true, true, true},
        EqualityCase{"canonicalText", composed, decomposed, true, true, true},
        EqualityCase{"differentText", std::string("a"), std::string("b"), false, false, false},
        EqualityCase{"numbers", Number::ofInt32(2), Number::ofDouble(2.0), true, true, true},
        EqualityCase{"dates", Date{}, Date{}, false, false, false},
        EqualityCase{"decodedLists", json("[1]"), json("[1.0]"), true, false, false},
        EqualityCase{"decodedListsDiffer", json("[1]"), json("[2]"), false, false, false},
        EqualityCase{"emptyLists", json("[]"), json("[]"), true, true, true},
        EqualityCase{"emptyMaps", json("{}"), json("{}"), true, true, true},
        EqualityCase{"emptyListAndMap", json("[]"), json("{}"), false, false, false},
        EqualityCase{"decodedMaps", json(R"({"a":[1,null,"x"]})"), json(R"({"a":[1.0,null,"x"]})"), true, false, false},
        EqualityCase{"plainTextByContent", json(R"(["caf\u00e9"])"), json(R"(["cafe\u0301"])"), false, false, false},
        EqualityCase{"literalAndPlainMap", AnyCodable::dictionary({{"a", 1}}).value(), json(R"({"a":1})"), true, false,
                     false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Equality, WrappedCollectionsCompareElementsByTheWrapperRules) {
  using Map = std::map<std::string, AnyCodable>;
  EXPECT_EQ(AnyCodable(Map{{"a", 1}, {"b", 2}}), AnyCodable(Map{{"b", 2}, {"a", 1}}));
  EXPECT_NE(AnyCodable(Map{{"a", 1}}), AnyCodable(Map{{"a", 1.0}}));
  EXPECT_NE(AnyCodable(Map{{"a", 1}}), AnyCodable(Map{{"a", 1}, {"b", 2}}));
  // A plain list holding only wrappers counts as a wrapped list.
  EXPECT_EQ(AnyCodable(std::vector<AnyCodable>{1, "x"}), AnyCodable(PlainList{AnyCodable(1), AnyCodable("x")}));
  EXPECT_EQ(AnyEncodable(std::vector<AnyEncodable>{AnyEncodable(Null{})}) ==
                AnyEncodable(std::vector<AnyEncodable>{AnyEncodable(Null{})}),
            false);
  EXPECT_EQ(AnyDecodable(std::vector<AnyDecodable>{AnyDecodable(Null{})}),
            AnyDecodable(std::vector<AnyDecodable>{AnyDecodable(Null{})}));
}

TEST(Equality, LiteralMapsKeepTheFirstValueOfAKey) {
  AnyCodable map = AnyCodable::dictionary({{"a", 1}, {"b", 2}, {"a", 3}});
  const LiteralMap& literal = *map.as<LiteralMap>();
  ASSERT_EQ(literal.entries.size(), 2u);
  EXPECT_EQ(std::any_cast<std::int64_t>(literal.entries[0].second), 1);
}

template <class W>
std::uint64_t hashOf(const W& value) {
  return value.hashValue();
}

TEST(Hashing, EqualValuesHashAlike) {
  using Map = std::map<std::string, AnyCodable>;
  std::vector<std::pair<AnyCodable, AnyCodable>> equalPairs = {
      {AnyCodable(), AnyCodable()},
      {AnyCodable(-0.0), AnyCodable(0.0)},
      {AnyCodable(composed), AnyCodable(decomposed)},
      {AnyCodable(Map{{"a", 1}, {"b", "x"}}), AnyCodable(Map{{"b", "x"}, {"a", 1}})},
      {AnyCodable(json("[1]")), AnyCodable(json("[1.0]"))},
      {AnyCodable(std::vector<AnyCodable>{1}), AnyCodable(PlainList{AnyCodable(1)})},
  };
  for (const auto& [a, b] : equalPairs) {
    ASSERT_EQ(a, b) << a.debugDescription();
    EXPECT_EQ(hashOf(a), hashOf(b)) << a.debugDescription();
  }
  // None and null are unequal, yet neither feeds the hasher.
  EXPECT_EQ(hashOf(AnyCodable()), hashOf(AnyCodable(Null{})));
}

TEST(Hashing, SeparatesWhatItFeeds) {
  EXPECT_NE(hashOf(AnyCodable(1)), hashOf(AnyCodable(2)));
  EXPECT_NE(hashOf(AnyCodable(std::vector<AnyCodable>{"ab", "c"})),
            hashOf(AnyCodable(std::vector<AnyCodable>{"a", "bc"})));
  EXPECT_NE(hashOf(AnyCodable(std::vector<AnyCodable>{})), hashOf(AnyCodable(std::vector<AnyCodable>{1})));
  Hasher a(Hasher::Seed{1, 2}), b(Hasher::Seed{3, 4});
  a.combine(std::uint64_t{5});
  b.combine(std::uint64_t{5});
  EXPECT_NE(a.finalize(), b.finalize()) << "the seed takes part";
}

TEST(Hashing, WrappersWorkInUnorderedContainers) {
  std::unordered_set<AnyCodable> codables{1, "a", AnyCodable(composed), AnyCodable(decomposed), 1.0};
  EXPECT_EQ(codables.size(), 4u);
  std::unordered_set<AnyDecodable> decodables{decoded<AnyDecodable>("[]"), decoded<AnyDecodable>("[]")};
  EXPECT_EQ(decodables.size(), 1u);
  std::unordered_set<AnyEncodable> encodables{AnyEncodable(Null{}), AnyEncodable(Null{})};
  EXPECT_EQ(encodables.size(), 2u) << "nulls are unequal for AnyEncodable";
}

}  // namespace
}  // namespace zephro
