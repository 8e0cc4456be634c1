#include <gtest/gtest.h>

#include "zephro/json/any_codable.h"

namespace zephro {
namespace {

template <class T>
bool holds(const AnyCodable& value) {
  return value.value().type() == typeid(T);
}

TEST(Construction, LiteralFormsPickTheirKinds) {
  EXPECT_FALSE(AnyCodable(nullptr).value().has_value());
  EXPECT_TRUE(holds<bool>(true));
  EXPECT_TRUE(holds<std::int64_t>(5));
  EXPECT_TRUE(holds<double>(5.0));
  EXPECT_TRUE(holds<std::string>("text"));
  EXPECT_TRUE(holds<std::string>(std::string_view("text")));
  AnyCodable list = AnyCodable::list({1, "a", nullptr});
  ASSERT_TRUE(holds<PlainList>(list));
  EXPECT_FALSE(list.as<PlainList>()->at(2).has_value());
}

TEST(Construction, OtherValuesAreHeldUnchanged) {
  EXPECT_TRUE(holds<std::int8_t>(AnyCodable(std::int8_t{1})));
  EXPECT_TRUE(holds<std::uint32_t>(AnyCodable(1u)));
  EXPECT_TRUE(holds<long long>(AnyCodable(1LL)));
  EXPECT_TRUE(holds<float>(AnyCodable(1.0f)));
  EXPECT_TRUE(holds<std::int32_t>(AnyCodable(std::any(std::int32_t{1})))) << "a std::any gives its content";
  EXPECT_TRUE(holds<std::int64_t>(AnyCodable(std::optional<int>(1))));
  EXPECT_FALSE(AnyCodable(std::optional<std::string>()).value().has_value());
  // A wrapper given to another stays wrapped; a copy does not.
  AnyCodable inner = 7;
  EXPECT_TRUE(holds<AnyCodable>(AnyCodable(std::optional<AnyCodable>(inner))));
  EXPECT_TRUE(holds<AnyEncodable>(AnyCodable(AnyEncodable(7))));
  AnyCodable copy{inner};
  EXPECT_TRUE(holds<std::int64_t>(copy));
}

TEST(TypedReads, SucceedOnlyForTheExactKind) {
  AnyCodable one = 1;
  EXPECT_EQ(*one.as<std::int64_t>(), 1);
  EXPECT_EQ(one.as<bool>(), nullptr);
  EXPECT_EQ(one.as<double>(), nullptr);
  EXPECT_EQ(one.as<int>(), nullptr);
  EXPECT_EQ(AnyCodable(2.0).as<std::int64_t>(), nullptr);
  EXPECT_EQ(AnyCodable("1").as<std::int64_t>(), nullptr);
}

TEST(Construction, TwinsShareTheRules) {
  EXPECT_EQ(AnyDecodable(5).value().type(), typeid(std::int64_t));
  EXPECT_EQ(AnyDecodable("x").value().type(), typeid(std::string));
  AnyEncodable literal = "x";
  EXPECT_EQ(literal.value().type(), typeid(std::string));
  static_assert(!std::is_convertible_v<int, AnyDecodable>, "AnyDecodable has no literal forms");
  static_assert(std::is_convertible_v<int, AnyEncodable>);
}

}  // namespace
}  // namespace zephro
