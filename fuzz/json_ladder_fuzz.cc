// Arbitrary bytes through the decoding ladder. What decodes must encode, and
// decode again to an equal value with the same text; decoding text straight
// from the parser must agree with decoding the parsed tree, errors included,
// and so must writing text without a tree.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "zephro/json/any_codable.h"
#include "zephro/json/json_decoder.h"
#include "zephro/json/json_encoder.h"

namespace {

using zephro::AnyCodable;
using zephro::DecodingError;
using zephro::JSONDecoder;
using zephro::JSONEncoder;

struct Outcome {
  std::optional<AnyCodable> value;
  std::string error;
};

template <class Decode>
Outcome attempt(Decode decode) {
  try {
    return {decode(), {}};
  } catch (const DecodingError& error) {
    return {std::nullopt, error.what()};
  }
}

void require(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  Outcome fromText = attempt([&] { return JSONDecoder().decode<AnyCodable>(text); });
  Outcome fromTree = attempt([&] { return JSONDecoder().decodeTree<AnyCodable>(JSONDecoder::parse(text)); });
  require(fromText.value.has_value() == fromTree.value.has_value());
  require(fromText.error == fromTree.error);
  if (!fromText.value) return 0;

  const AnyCodable& value = *fromText.value;
  std::string encoded = JSONEncoder().encode(value);
  require(JSONEncoder().encode(*fromTree.value) == encoded);
  require(JSONEncoder::dump(JSONEncoder().encodeTree(value)) == encoded);
  AnyCodable again = JSONDecoder().decode<AnyCodable>(encoded);
  require(JSONEncoder().encode(again) == encoded);
  require(again == value);
  require(again.hashValue() == value.hashValue());
  return 0;
}
