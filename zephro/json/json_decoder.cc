#include "zephro/json/json_decoder.h"

#include "zephro/platform/foundation/json_event_reader.h"

namespace zephro {

nlohmann::json JSONDecoder::parse(std::string_view text) {
  nlohmann::json tree;
  // The builder nlohmann's own parse uses, fed by the kit's one reader.
  nlohmann::detail::json_sax_dom_parser<nlohmann::json> builder(tree, /*allow_exceptions=*/false);
  if (!platform::foundation::readJsonEvents(text, builder)) {
    throw DecodingError::dataCorrupted({}, "The given data was not valid JSON.");
  }
  return tree;
}

}  // namespace zephro
