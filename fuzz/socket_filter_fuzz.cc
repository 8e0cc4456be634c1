// Arbitrary socket messages: the filter never crashes, and the JSON it reads
// and writes agrees with the platform's serialisation on every input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "zephro/platform/foundation/json_serialization.h"
#include "zephro/sdk/socket_json.h"
#include "zephro/sdk/zephro_sdk4_tolmar_runner.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zephro;
  using platform::foundation::JSONSerialization;
  std::string_view text(reinterpret_cast<const char*>(data), size);

  std::optional<nlohmann::json> tree = parseJSONTree(text);
  std::optional<std::any> plain = JSONSerialization::jsonObject(text);
  if (tree.has_value() != plain.has_value()) std::abort();
  if (tree && compactJSONText(*tree) != JSONSerialization::data(*plain)) std::abort();

  ZephroSdk4TolmarRunner::handleSocketMessage(text);
  return 0;
}
