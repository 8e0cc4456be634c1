// The decoding ladder on JSON text: the same results and errors as decoding
// the parsed tree.
#include "zephro/json/coding_error.h"
#include "zephro/json/plain_value_builder.h"
#include "zephro/json/value_rules.h"
#include "zephro/platform/foundation/json_event_reader.h"

namespace zephro::value_rules {

std::any decodeText(std::string_view text) {
  PlainValueBuilder builder;
  if (!platform::foundation::readJsonEvents(text, builder)) {
    throw DecodingError::dataCorrupted({}, "The given data was not valid JSON.");
  }
  if (builder.tooDeep()) throw DecodingError::dataCorrupted({}, "AnyDecodable value cannot be decoded");
  return std::move(builder.result());
}

}  // namespace zephro::value_rules
