#include "zephro/platform/foundation/json_text_writer.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

#include "zephro/platform/foundation/plain_value.h"
#include "zephro/platform/foundation/utf8.h"

namespace zephro::platform::foundation {

namespace {

class JsonWriter {
 public:
  explicit JsonWriter(std::size_t maxDepth) : maxDepth_(maxDepth) {}

  bool write(const std::any& value, std::size_t depth) {
    bool written = false;
    bool known = visitPlainValue(value, [&](const auto& v) { written = writeKind(v, depth); });
    return known && written;
  }

  std::string text;

 private:
  bool writeKind(Null, std::size_t) { return append("null"); }
  bool writeKind(bool v, std::size_t) { return append(v ? "true" : "false"); }
  bool writeKind(std::int64_t v, std::size_t) { return appendNumber(v); }
  bool writeKind(std::uint64_t v, std::size_t) { return appendNumber(v); }
  bool writeKind(double v, std::size_t) { return std::isfinite(v) && appendNumber(v); }
  bool writeKind(const std::string& v, std::size_t) { return appendString(v); }
  bool writeKind(const Number& v, std::size_t depth) {
    if (v.typeCode() == 'B') return writeKind(v.boolValue(), depth);
    if (v.isUnsigned()) return writeKind(v.unsignedLongLongValue(), depth);
    if (v.isFloating() || !isSignedCode(v.typeCode())) return writeKind(v.doubleValue(), depth);
    return writeKind(v.longLongValue(), depth);
  }
  bool writeKind(const Date&, std::size_t) { return false; }
  bool writeKind(const Data&, std::size_t) { return false; }
  bool writeKind(const PlainList& list, std::size_t depth) {
    if (depth >= maxDepth_) return false;
    text += '[';
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (i > 0) text += ',';
      if (!write(list[i], depth + 1)) return false;
    }
    return append("]");
  }
  bool writeKind(const PlainMap& map, std::size_t depth) {
    if (depth >= maxDepth_) return false;
    text += '{';
    bool first = true;
    for (const auto& [key, value] : map) {
      if (!first) text += ',';
      first = false;
      if (!appendString(key)) return false;
      text += ':';
      if (!write(value, depth + 1)) return false;
    }
    return append("}");
  }

  static bool isSignedCode(char code) {
    return std::string_view("csilq").find(code) != std::string_view::npos;
  }
  bool append(std::string_view literal) {
    text += literal;
    return true;
  }
  template <typename T>
  bool appendNumber(T v) {
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
    text.append(buffer, result.ptr);
    return true;
  }
  bool appendString(const std::string& v) {
    if (!isValidUtf8(v)) return false;
    text += '"';
    appendJsonEscaped(text, v);
    text += '"';
    return true;
  }

  std::size_t maxDepth_;
};

}  // namespace

std::optional<std::string> writeJsonText(const std::any& value, std::size_t maxDepth) {
  JsonWriter writer(maxDepth);
  if (!writer.write(value, 0)) return std::nullopt;
  return std::move(writer.text);
}

}  // namespace zephro::platform::foundation
