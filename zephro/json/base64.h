// Base64 (standard alphabet, with padding), the JSON form of byte data.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "zephro/platform/foundation/kinds.h"

namespace zephro {

std::string base64Encode(const Data& bytes);
// Absent unless `text` is padded Base64 with nothing else in it.
std::optional<Data> base64Decode(std::string_view text);

}  // namespace zephro
