// The answer a scope gives to one bridge call. The page receives it through
// window.__jsb.onResponse (see response_script.h).
#pragma once

#include <map>
#include <optional>
#include <string>

#include "zephro/json/any_codable.h"
#include "zephro/platform/foundation/kinds.h"

namespace zephro {

class Decoder;
class Encoder;

struct WebViewResponse {
  // A ready-made payload: when present these bytes are sent instead of the
  // encoded response.
  std::optional<Data> responseData;
  std::optional<std::map<std::string, AnyCodable>> responseBody;
  std::optional<bool> success;

  // Missing keys and nulls give absent fields; a value of another JSON type
  // fails the whole decode (DecodingError).
  static WebViewResponse decode(const Decoder& decoder);
  // Present fields only, in field order; responseData as Base64.
  void encode(Encoder& encoder) const;
  // JSONEncoder's fast path: encode()'s text, written without a tree, for a
  // body of plain values without fractions; absent otherwise.
  std::optional<std::string> encodeJSONText() const;
};

}  // namespace zephro
