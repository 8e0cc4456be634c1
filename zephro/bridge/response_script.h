// How an answer reaches the page: the script
// window.__jsb.onResponse(<payload>, <invokeId>), where the payload stands as
// a script expression (a JSON object payload is an object literal).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "zephro/bridge/web_view_response.h"
#include "zephro/json/json_encoder.h"

namespace zephro {

// The payload is response.responseData verbatim when present, else the JSON
// encoding of the response ({"responseBody":...,"success":...}). Absent,
// meaning nothing is sent, when encoding fails or the payload is not UTF-8.
std::optional<std::string> responseScript(const WebViewResponse& response, std::int64_t invokeId,
                                          const JSONEncoder& encoder = {});

}  // namespace zephro
