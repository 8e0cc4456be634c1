#include "zephro/json/json_decoder.h"

namespace zephro {

nlohmann::json JSONDecoder::parse(std::string_view text) {
  nlohmann::json tree = nlohmann::json::parse(text, nullptr, /*allow_exceptions=*/false);
  if (tree.is_discarded()) throw DecodingError::dataCorrupted({}, "The given data was not valid JSON.");
  return tree;
}

}  // namespace zephro
