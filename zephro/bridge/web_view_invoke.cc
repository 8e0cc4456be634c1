#include "zephro/bridge/web_view_invoke.h"

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

namespace {

// Reads `name` into `field` when it holds a T or null or is missing; false
// for any other kind, which is the tree's to judge.
template <class T>
bool readField(const PlainMap& fields, const std::string& name, std::optional<T>& field) {
  const auto found = fields.find(name);
  if (found == fields.end() || found->second.type() == typeid(Null)) return true;
  const T* value = std::any_cast<T>(&found->second);
  if (value) field = *value;
  return value != nullptr;
}

bool readParams(const PlainMap& fields, std::optional<std::map<std::string, AnyCodable>>& params) {
  std::optional<PlainMap> plain;
  if (!readField(fields, "params", plain)) return false;
  if (!plain) return true;
  params.emplace();
  for (auto& [key, value] : *plain) params->emplace(key, AnyCodable(std::move(value)));
  return true;
}

// The call read from the plain values the text decodes to: the same fields as
// the tree gives for them, as both read the same parser's events.
std::optional<WebViewInvoke> readPlainInvoke(std::string_view text) {
  AnyCodable whole;
  try {
    whole = AnyCodable::decodeJSONText(text);
  } catch (const DecodingError&) {
    return std::nullopt;
  }
  const auto* fields = whole.as<PlainMap>();
  if (!fields) return std::nullopt;
  WebViewInvoke invoke;
  if (!readField(*fields, "scope", invoke.scope) || !readField(*fields, "method", invoke.method) ||
      !readField(*fields, "invokeId", invoke.invokeId) || !readParams(*fields, invoke.params)) {
    return std::nullopt;
  }
  return invoke;
}

}  // namespace

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
