#include "zephro/sdk/socket_json.h"

#include <charconv>
#include <cmath>
#include <cstddef>

#include "zephro/platform/foundation/json_serialization.h"
#include "zephro/platform/foundation/utf8.h"

namespace zephro {

namespace {

using platform::foundation::JSONSerialization;

// The tree is built and written recursively, so hostile nesting is refused
// up front by a scan that only counts brackets outside strings.
bool nestsWithin(std::string_view text, std::size_t maxDepth) {
  std::size_t depth = 0;
  bool inString = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (inString) {
      if (c == '\\') {
        ++i;
      } else if (c == '"') {
        inString = false;
      }
    } else if (c == '"') {
      inString = true;
    } else if (c == '[' || c == '{') {
      if (++depth > maxDepth) return false;
    } else if ((c == ']' || c == '}') && depth > 0) {
      --depth;
    }
  }
  return true;
}

class TreeWriter {
 public:
  bool write(const nlohmann::json& node) {
    switch (node.type()) {
      case nlohmann::json::value_t::object: return writeObject(node);
      case nlohmann::json::value_t::array: return writeArray(node);
      case nlohmann::json::value_t::string: return writeString(node.get_ref<const std::string&>());
      case nlohmann::json::value_t::boolean: return append(node.get<bool>() ? "true" : "false");
      case nlohmann::json::value_t::number_integer: return writeNumber(node.get<std::int64_t>());
      case nlohmann::json::value_t::number_unsigned: return writeNumber(node.get<std::uint64_t>());
      case nlohmann::json::value_t::number_float: {
        double value = node.get<double>();
        return std::isfinite(value) && writeNumber(value);
      }
      default: return append("null");
    }
  }

  std::string text;

 private:
  bool writeObject(const nlohmann::json& node) {
    text += '{';
    bool first = true;
    for (const auto& [key, value] : node.get_ref<const nlohmann::json::object_t&>()) {
      if (!first) text += ',';
      first = false;
      writeString(key);
      text += ':';
      if (!write(value)) return false;
    }
    return append("}");
  }
  bool writeArray(const nlohmann::json& node) {
    text += '[';
    bool first = true;
    for (const auto& value : node.get_ref<const nlohmann::json::array_t&>()) {
      if (!first) text += ',';
      first = false;
      if (!write(value)) return false;
    }
    return append("]");
  }
  bool writeString(const std::string& value) {
    text += '"';
    platform::foundation::appendJsonEscaped(text, value);
    return append("\"");
  }
  template <typename T>
  bool writeNumber(T value) {
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    text.append(buffer, result.ptr);
    return true;
  }
  bool append(std::string_view literal) {
    text += literal;
    return true;
  }
};

}  // namespace

std::optional<nlohmann::json> parseJSONTree(std::string_view text) {
  if (!nestsWithin(text, JSONSerialization::maxDepth)) return std::nullopt;
  nlohmann::json tree = nlohmann::json::parse(text, nullptr, /*allow_exceptions=*/false);
  if (tree.is_discarded()) return std::nullopt;
  return tree;
}

std::optional<std::string> compactJSONText(const nlohmann::json& tree) {
  TreeWriter writer;
  if (!writer.write(tree)) return std::nullopt;
  return std::move(writer.text);
}

}  // namespace zephro
