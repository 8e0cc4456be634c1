// Arbitrary bytes through the platform's JSON serialisation, checked against
// a second reading of the same text by the coding layer: both accept the same
// texts and read the same value. What is read writes, and the text written
// reads back; from then on reading and writing is a fixed point (the first
// round may turn 1.0 into 1 and -0.0 into 0, as numbers do in JSON text).
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "zephro/json/any_codable.h"
#include "zephro/json/json_decoder.h"
#include "zephro/platform/foundation/json_event_reader.h"
#include "zephro/platform/foundation/json_serialization.h"

namespace {

using zephro::AnyCodable;
using zephro::platform::foundation::JSONSerialization;

void require(bool condition) {
  if (!condition) __builtin_trap();
}

// Deepest nesting of a text, for telling the readers' depth limits apart.
struct DepthCounter : nlohmann::json_sax<nlohmann::json> {
  std::size_t depth = 0;
  std::size_t deepest = 0;
  bool open() {
    deepest = std::max(deepest, ++depth);
    return true;
  }
  bool close() {
    --depth;
    return true;
  }
  bool null() override { return true; }
  bool boolean(bool) override { return true; }
  bool number_integer(std::int64_t) override { return true; }
  bool number_unsigned(std::uint64_t) override { return true; }
  bool number_float(double, const std::string&) override { return true; }
  bool string(std::string&) override { return true; }
  bool binary(binary_t&) override { return true; }
  bool start_object(std::size_t) override { return open(); }
  bool key(std::string&) override { return true; }
  bool end_object() override { return close(); }
  bool start_array(std::size_t) override { return open(); }
  bool end_array() override { return close(); }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override { return false; }
};

std::optional<std::string> readAndWritten(std::string_view text) {
  std::optional<std::any> value = JSONSerialization::jsonObject(text);
  return value ? JSONSerialization::data(*value) : std::nullopt;
}

std::optional<std::string> codingLayerReading(std::string_view text) {
  try {
    return JSONSerialization::data(zephro::JSONDecoder().decode<AnyCodable>(text).value());
  } catch (const zephro::DecodingError&) {
    return std::nullopt;
  }
}

bool nearTheDepthLimits(std::string_view text) {
  DepthCounter counter;
  return zephro::platform::foundation::readJsonEvents(text, counter) &&
         counter.deepest >= JSONSerialization::maxDepth;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  std::optional<std::any> value = JSONSerialization::jsonObject(text);
  std::optional<std::string> written = value ? JSONSerialization::data(*value) : std::nullopt;
  require(written.has_value() == value.has_value());

  std::optional<std::string> second = codingLayerReading(text);
  if (second.has_value() != written.has_value()) {
    require(nearTheDepthLimits(text));
    return 0;
  }
  if (!written) return 0;
  require(*second == *written);

  std::optional<std::string> settled = readAndWritten(*written);
  require(settled.has_value());
  require(readAndWritten(*settled) == settled);
  return 0;
}
