#include "zephro/h5/page_query.h"

#include <gtest/gtest.h>

namespace zephro {
namespace {

using Params = std::map<std::string, AnyCodable>;

AnyCodable object(PlainMap entries) { return AnyCodable(std::move(entries)); }

TEST(PageQueryTest, OnlyANonEmptyNestedObjectMakesAQuery) {
  EXPECT_EQ(pageQueryText(Params{}), std::nullopt);
  EXPECT_EQ(pageQueryText(Params{{"route", "x"}}), std::nullopt);
  EXPECT_EQ(pageQueryText(Params{{"params", object({})}}), std::nullopt);
  EXPECT_EQ(pageQueryText(Params{{"params", "id=3"}}), std::nullopt);
  EXPECT_EQ(pageQueryText(Params{{"route", "detail"}, {"params", object({{"id", std::int64_t{3}}})}}), "?id=3");
}

TEST(PageQueryTest, ValuesAppearAsPlainText) {
  auto query = pageQueryText(
      Params{{"params", object({{"a", std::int64_t{1}}, {"b", true}, {"c", 2.5}, {"d", std::string("text")}})}});
  EXPECT_EQ(query, "?a=1&b=true&c=2.5&d=text");
}

TEST(PageQueryTest, TextsThatAQueryCannotHoldArePercentEncoded) {
  auto query =
      pageQueryText(Params{{"params", object({{"name", std::string("张 三&x=1#y")}, {"k+=", std::string("50%")}})}});
  EXPECT_EQ(query, "?k%2B%3D=50%25&name=%E5%BC%A0%20%E4%B8%89%26x%3D1%23y");
}

TEST(PageQueryTest, QueryComponentEncodingKeepsWhatIsAllowed) {
  EXPECT_EQ(encodeQueryComponent("abcXYZ019-._~!$'()*,;:@/?"), "abcXYZ019-._~!$'()*,;:@/?");
  EXPECT_EQ(encodeQueryComponent("\"<>[]\\^`{|}\n\x7f"), "%22%3C%3E%5B%5D%5C%5E%60%7B%7C%7D%0A%7F");
}

}  // namespace
}  // namespace zephro
