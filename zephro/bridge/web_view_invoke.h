// The request a page posts on the "jsb" channel, as JSON text:
// {"scope":"app","method":"getToken","params":{},"invokeId":12}
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "zephro/json/any_codable.h"

namespace zephro {

class Decoder;
class Encoder;

struct WebViewInvoke {
  // The scope that handles the call, and the method within it.
  std::optional<std::string> scope;
  std::optional<std::string> method;
  std::optional<std::map<std::string, AnyCodable>> params;
  // Chosen by the page; its answer carries it back.
  std::optional<std::int64_t> invokeId;

  // A scope and a method, neither empty.
  bool isValid() const;

  // Missing keys and nulls give absent fields; a value of another JSON type
  // fails the whole decode (DecodingError). Other keys are ignored.
  static WebViewInvoke decode(const Decoder& decoder);
  // JSONDecoder's path for text: a call as pages write it is read without a
  // tree; anything else goes through the tree, which decides it.
  static WebViewInvoke decodeJSONText(std::string_view text);
  // Present fields only, in field order.
  void encode(Encoder& encoder) const;
};

}  // namespace zephro
