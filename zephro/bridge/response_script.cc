#include "zephro/bridge/response_script.h"

#include <string_view>

#include "zephro/platform/foundation/utf8.h"

namespace zephro {

namespace {

std::optional<std::string> payloadText(const WebViewResponse& response, const JSONEncoder& encoder) {
  if (response.responseData) {
    std::string_view bytes(reinterpret_cast<const char*>(response.responseData->data()), response.responseData->size());
    if (!platform::foundation::isValidUtf8(bytes)) return std::nullopt;
    return std::string(bytes);
  }
  try {
    return encoder.encode(response);
  } catch (const EncodingError&) {
    return std::nullopt;
  }
}

}  // namespace

std::optional<std::string> responseScript(const WebViewResponse& response, std::int64_t invokeId,
                                          const JSONEncoder& encoder) {
  std::optional<std::string> payload = payloadText(response, encoder);
  if (!payload) return std::nullopt;
  std::string script;
  script.reserve(payload->size() + 48);
  script += "window.__jsb.onResponse(";
  script += *payload;
  script += ", ";
  script += std::to_string(invokeId);
  script += ')';
  return script;
}

}  // namespace zephro
