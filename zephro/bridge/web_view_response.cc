#include "zephro/bridge/web_view_response.h"

#include "zephro/json/decoder.h"
#include "zephro/json/encoder.h"

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

}  // namespace zephro
