#include "zephro/platform/foundation/plain_value_codec.h"

#include <gtest/gtest.h>

#include <string>

namespace zephro::platform::foundation {
namespace {

// Lists nested `depth` deep, the innermost empty, as the codec writes them:
// a tag and a little-endian 64-bit count.
std::string nestedLists(std::size_t depth) {
  std::string bytes;
  for (std::size_t i = 0; i < depth; ++i) bytes += std::string("l\x01\0\0\0\0\0\0\0", 9);
  bytes[bytes.size() - 8] = '\0';
  return bytes;
}

// What a damaged store file holds is read only when it could be written back.
TEST(PlainValueCodec, ReadsNoDeeperThanItWrites) {
  std::optional<std::any> deepest = decodePlainValue(nestedLists(kMaxPlainValueDepth));
  ASSERT_TRUE(deepest);
  EXPECT_EQ(encodePlainValue(*deepest), nestedLists(kMaxPlainValueDepth));
  EXPECT_FALSE(decodePlainValue(nestedLists(kMaxPlainValueDepth + 1)));
}

}  // namespace
}  // namespace zephro::platform::foundation
