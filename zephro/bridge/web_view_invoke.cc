#include "zephro/bridge/web_view_invoke.h"

#include <utility>

#include "zephro/bridge/plain_invoke_reader.h"
#include "zephro/json/decoder.h"
#include "zephro/json/encoder.h"
#include "zephro/json/json_decoder.h"

namespace zephro {

bool WebViewInvoke::isValid() const { return scope && !scope->empty() && method && !method->empty(); }

WebViewInvoke WebViewInvoke::decode(const Decoder& decoder) {
  auto container = decoder.container();
  WebViewInvoke invoke;
  invoke.scope = container.decodeIfPresent<std::string>("scope");
  invoke.method = container.decodeIfPresent<std::string>("method");
  invoke.params = container.decodeIfPresent<std::map<std::string, AnyCodable>>("params");
  invoke.invokeId = container.decodeIfPresent<std::int64_t>("invokeId");
  return invoke;
}

WebViewInvoke WebViewInvoke::decodeJSONText(std::string_view text) {
  if (std::optional<WebViewInvoke> invoke = readPlainInvoke(text)) return std::move(*invoke);
  return JSONDecoder().decodeTree<WebViewInvoke>(JSONDecoder::parse(text));
}

void WebViewInvoke::encode(Encoder& encoder) const {
  auto container = encoder.container();
  container.encodeIfPresent("scope", scope);
  container.encodeIfPresent("method", method);
  container.encodeIfPresent("params", params);
  container.encodeIfPresent("invokeId", invokeId);
}

}  // namespace zephro
