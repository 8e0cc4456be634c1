#include "zephro/bridge/web_view_response.h"

#include "zephro/json/decoder.h"
#include "zephro/json/encoder.h"
#include "zephro/platform/foundation/utf8.h"

namespace zephro {

WebViewResponse WebViewResponse::decode(const Decoder& decoder) {
  auto container = decoder.container();
  WebViewResponse response;
  response.responseData = container.decodeIfPresent<Data>("responseData");
  response.responseBody = container.decodeIfPresent<std::map<std::string, AnyCodable>>("responseBody");
  response.success = container.decodeIfPresent<bool>("success");
  return response;
}

void WebViewResponse::encode(Encoder& encoder) const {
  auto container = encoder.container();
  container.encodeIfPresent("responseData", responseData);
  container.encodeIfPresent("responseBody", responseBody);
  container.encodeIfPresent("success", success);
}

namespace {

// `"key":` then the value's text; false when either has no such text.
bool appendMember(std::string& text, const std::string& key, const AnyCodable& value) {
  // A body value sits two steps below the response: "responseBody", its key.
  constexpr std::size_t kBodyValueDepth = 2;
  std::optional<std::string> valueText = value.encodeJSONText(kBodyValueDepth);
  if (!valueText || !platform::foundation::isValidUtf8(key)) return false;
  text += '"';
  platform::foundation::appendJsonEscaped(text, key);
  text += "\":";
  text += *valueText;
  return true;
}

}  // namespace

std::optional<std::string> WebViewResponse::encodeJSONText() const {
  // Base64 data and an empty response are left to the tree.
  if (responseData || (!responseBody && !success)) return std::nullopt;
  std::string text = "{";
  if (responseBody) {
    text += "\"responseBody\":{";
    const char* separator = "";
    for (const auto& [key, value] : *responseBody) {
      text += separator;
      separator = ",";
      if (!appendMember(text, key, value)) return std::nullopt;
    }
    text += '}';
  }
  if (success) {
    if (responseBody) text += ',';
    text += *success ? "\"success\":true" : "\"success\":false";
  }
  text += '}';
  return text;
}

}  // namespace zephro
