// Arbitrary bytes as a stored value (a damaged store file, of either date
// unit): decoding never crashes, and whatever decodes encodes, and decodes
// again to what encodes to the very same bytes.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "zephro/platform/foundation/plain_value_codec.h"

namespace {

using namespace zephro::platform::foundation;

void require(bool condition) {
  if (!condition) __builtin_trap();
}

void check(std::string_view bytes, DateUnit dates) {
  std::optional<std::any> value = decodePlainValue(bytes, dates);
  if (!value) return;
  std::optional<std::string> encoded = encodePlainValue(*value);
  require(encoded.has_value());
  std::optional<std::any> again = decodePlainValue(*encoded);
  require(again.has_value());
  require(encodePlainValue(*again) == encoded);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  check(bytes, DateUnit::nanoseconds);
  check(bytes, DateUnit::clockTicks);
  return 0;
}
