#include "zephro/bridge/startup_script.h"

#include <cctype>
#include <cstddef>
#include <string_view>

#include "zephro/bridge/script_literal.h"
#include "zephro/platform/foundation/json_serialization.h"

namespace zephro {

namespace {

std::size_t skipDigits(std::string_view text, std::size_t at) {
  while (at < text.size() && std::isdigit(static_cast<unsigned char>(text[at]))) ++at;
  return at;
}

// -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
bool isJSONNumber(std::string_view text) {
  std::size_t at = 0;
  if (at < text.size() && text[at] == '-') ++at;
  if (at >= text.size() || !std::isdigit(static_cast<unsigned char>(text[at]))) return false;
  at = text[at] == '0' ? at + 1 : skipDigits(text, at);
  if (at < text.size() && text[at] == '.') {
    std::size_t digits = at + 1;
    at = skipDigits(text, digits);
    if (at == digits) return false;
  }
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    std::size_t digits = at;
    at = skipDigits(text, digits);
    if (at == digits) return false;
  }
  return at == text.size();
}

std::string homeIdExpression(const std::any& homeId) {
  if (const std::string* text = std::any_cast<std::string>(&homeId)) {
    return isJSONNumber(*text) ? *text : scriptStringLiteral(*text);
  }
  std::optional<std::string> json = platform::foundation::JSONSerialization::data(homeId);
  return json ? scriptSafeJSON(*json) : "null";
}

void appendStatement(std::string& script, std::string_view global, std::string_view expression) {
  script += global;
  script += " = ";
  script += expression;
  script += ';';
}

}  // namespace

std::string startupScript(const std::optional<std::string>& token, const std::any& homeId,
                          const ZephroCloudConfig& config) {
  std::string script;
  if (token) appendStatement(script, "window.__token", scriptStringLiteral(*token));
  if (homeId.has_value()) appendStatement(script, "window.__homeId", homeIdExpression(homeId));
  appendStatement(script, "window.__cloudConfig_appKey", scriptStringLiteral(config.appKey()));
  appendStatement(script, "window.__cloudConfig_regionId", scriptStringLiteral(config.regionId()));
  appendStatement(script, "window.__cloudConfig_language", scriptStringLiteral(config.language()));
  appendStatement(script, "window.__cloudConfig_countryCode", scriptStringLiteral(config.countryCode()));
  appendStatement(script, "window.__cloudConfig_appVersion", scriptStringLiteral(config.appVersion()));
  appendStatement(script, "window.__cloudConfig_baseURL", scriptStringLiteral(config.baseURL()));
  return script;
}

}  // namespace zephro
