#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "zephro/platform/foundation/url.h"

namespace zephro::platform::web {

// The head of an answer to a scheme request.
struct URLResponse {
  // An expected length that says "not known in advance".
  static constexpr std::int64_t kUnknownLength = -1;

  URL url;
  std::string mimeType;
  std::int64_t expectedContentLength = kUnknownLength;
  std::optional<std::string> textEncodingName;

  bool operator==(const URLResponse&) const = default;
};

}  // namespace zephro::platform::web
