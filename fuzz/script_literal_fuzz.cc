// Arbitrary texts written into page scripts: the start-up script's globals
// and single-quoted literals read back, as a script engine reads them, as
// exactly the texts given (valid UTF-8 ones; others as valid UTF-8), and JSON
// made script-safe still reads as the same JSON. Nothing written can close
// an enclosing script element or break a line inside a literal.
#include <fuzzer/FuzzedDataProvider.h>

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "zephro/bridge/script_literal.h"
#include "zephro/bridge/startup_script.h"
#include "zephro/platform/foundation/json_serialization.h"
#include "zephro/platform/foundation/utf8.h"

namespace {

using namespace zephro;
using platform::foundation::isValidUtf8;
using platform::foundation::JSONSerialization;

void require(bool condition) {
  if (!condition) __builtin_trap();
}

void appendUtf8(std::string& out, std::uint32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::optional<std::uint32_t> hexAt(std::string_view script, std::size_t at, std::size_t digits) {
  if (at + digits > script.size()) return std::nullopt;
  const char* end = script.data() + at + digits;
  std::uint32_t value = 0;
  auto [stop, error] = std::from_chars(script.data() + at, end, value, 16);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

// One escape after the backslash at `at`; moves `at` past it.
bool readEscape(std::string_view script, std::size_t& at, std::string& out) {
  if (++at >= script.size()) return false;
  char c = script[at++];
  std::size_t digits = c == 'x' ? 2 : c == 'u' ? 4 : 0;
  if (digits > 0) {
    std::optional<std::uint32_t> unit = hexAt(script, at, digits);
    if (!unit || (*unit >= 0xD800 && *unit <= 0xDFFF)) return false;  // the writer never splits pairs
    appendUtf8(out, *unit);
    at += digits;
    return true;
  }
  std::string_view singles = "n\nr\rt\tb\bf\f";
  std::size_t found = singles.find(c);
  out += found != std::string_view::npos && found % 2 == 0 ? singles[found + 1] : c;
  return true;
}

// The string literal opening at `at`, read as a script engine reads it;
// moves `at` past its closing quote.
std::optional<std::string> readLiteral(std::string_view script, std::size_t& at) {
  char quote = script[at++];
  std::string text;
  while (at < script.size() && script[at] != quote) {
    char c = script[at];
    if (c == '\n' || c == '\r') return std::nullopt;
    if (c == '\\') {
      if (!readEscape(script, at, text)) return std::nullopt;
    } else {
      text += c;
      ++at;
    }
  }
  if (at >= script.size()) return std::nullopt;
  ++at;
  return text;
}

void requireSafeForPages(std::string_view script) {
  for (std::string_view bad : {"</", "<!", "\xE2\x80\xA8", "\xE2\x80\xA9"}) {
    require(script.find(bad) == std::string_view::npos);
  }
}

void requireReadsBackAs(std::optional<std::string> read, const std::string& text) {
  require(read.has_value() && isValidUtf8(*read));
  if (isValidUtf8(text)) require(*read == text);
}

// `<global> = <literal>;` at `at` reads back as `text`.
void requireStatement(std::string_view script, std::size_t& at, std::string_view global, const std::string& text) {
  std::string head = std::string(global) + " = ";
  require(script.substr(at, head.size()) == head && at + head.size() < script.size());
  at += head.size();
  if (script[at] == '"') {
    requireReadsBackAs(readLiteral(script, at), text);
  } else {  // a home id that is a JSON number stands as itself
    std::size_t end = script.find(';', at);
    require(end != std::string_view::npos && script.substr(at, end - at) == text);
    require(std::string_view("-0123456789").find(text[0]) != std::string_view::npos);
    at = end;
  }
  require(at < script.size() && script[at++] == ';');
}

void checkStartupScript(FuzzedDataProvider& input) {
  std::optional<std::string> token;
  if (input.ConsumeBool()) token = input.ConsumeRandomLengthString(64);
  std::optional<std::string> homeId;
  if (input.ConsumeBool()) homeId = input.ConsumeRandomLengthString(64);
  const char* globals[] = {"appKey", "regionId", "language", "countryCode", "appVersion", "baseURL"};
  std::string values[6];
  for (std::string& value : values) value = input.ConsumeRandomLengthString(64);
  ZephroCloudConfig config;
  config.setAppKey(values[0]);
  config.setRegionId(values[1]);
  config.setLanguage(values[2]);
  config.setCountryCode(values[3]);
  config.setAppVersion(values[4]);
  config.setBaseURL(values[5]);

  std::string script = startupScript(token, homeId ? std::any(*homeId) : std::any(), config);
  requireSafeForPages(script);
  std::size_t at = 0;
  if (token) requireStatement(script, at, "window.__token", *token);
  if (homeId) requireStatement(script, at, "window.__homeId", *homeId);
  for (int i = 0; i < 6; ++i) requireStatement(script, at, std::string("window.__cloudConfig_") + globals[i], values[i]);
  require(at == script.size());
}

void checkScriptSafeJSON(const std::string& text) {
  std::optional<std::any> value = JSONSerialization::jsonObject(text);
  if (!value) return;
  std::optional<std::string> json = JSONSerialization::data(*value);
  require(json.has_value());
  std::string safe = scriptSafeJSON(*json);
  requireSafeForPages(safe);
  std::optional<std::any> unsafe = JSONSerialization::jsonObject(*json);
  std::optional<std::any> again = JSONSerialization::jsonObject(safe);
  require(unsafe && again && JSONSerialization::data(*again) == JSONSerialization::data(*unsafe));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  std::string text = input.ConsumeRandomLengthString(256);
  std::string single = scriptStringLiteral(text, '\'');
  requireSafeForPages(single);
  std::size_t at = 0;
  requireReadsBackAs(readLiteral(single, at), text);
  require(at == single.size());
  checkScriptSafeJSON(text);
  checkStartupScript(input);
  return 0;
}
