#include "zephro/platform/foundation/json_serialization.h"

#include "zephro/platform/foundation/json_text_reader.h"
#include "zephro/platform/foundation/json_text_writer.h"

namespace zephro::platform::foundation {

std::optional<std::any> JSONSerialization::jsonObject(std::string_view text) {
  return readJsonText(text, maxDepth);
}

std::optional<std::string> JSONSerialization::data(const std::any& value) {
  return writeJsonText(value, maxDepth);
}

}  // namespace zephro::platform::foundation
