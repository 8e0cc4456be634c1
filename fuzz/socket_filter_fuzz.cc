// Arbitrary socket messages: the filter never crashes, posts only for text
// that reads as JSON, and its event data reads back as JSON.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "zephro/platform/foundation/json_serialization.h"
#include "zephro/sdk/socket_message_filter.h"
#include "zephro/sdk/zephro_sdk4_tolmar_runner.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace zephro;
  using platform::foundation::JSONSerialization;
  std::string_view text(reinterpret_cast<const char*>(data), size);

  if (std::optional<EventModel> event = socketMessageEvent(text)) {
    if (!JSONSerialization::jsonObject(text)) __builtin_trap();
    if (!event->eventData || !JSONSerialization::jsonObject(*event->eventData)) __builtin_trap();
  }
  ZephroSdk4TolmarRunner::handleSocketMessage(text);
  return 0;
}
