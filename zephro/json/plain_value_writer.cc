// The encoding ladder's text for the values it writes as plain JSON: text,
// Int, UInt, Bool, null and plain lists and maps of them, without a tree. The
// text is the one dumping the encoded tree gives; any other kind (numbers
// with a fraction among them, whose spelling the tree chooses) is left to
// the tree, and so are its errors.
#include <cstdint>
#include <string>

#include "zephro/json/coding_path.h"
#include "zephro/json/value_rules.h"
#include "zephro/platform/foundation/json_text_writer.h"
#include "zephro/platform/foundation/kinds.h"

namespace zephro::value_rules {

namespace {

// True when `value` holds only the kinds above, nested no deeper than
// `levelsLeft`.
bool isWrittenAsPlainText(const std::any& value, std::size_t levelsLeft) {
  const std::type_info& type = value.type();
  if (type == typeid(std::string) || type == typeid(std::int64_t) || type == typeid(bool) || type == typeid(Null) ||
      type == typeid(std::uint64_t)) {
    return true;
  }
  if (levelsLeft == 0) return false;
  if (const auto* list = std::any_cast<PlainList>(&value)) {
    for (const std::any& element : *list) {
      if (!isWrittenAsPlainText(element, levelsLeft - 1)) return false;
    }
    return true;
  }
  if (const auto* map = std::any_cast<PlainMap>(&value)) {
    for (const auto& [key, element] : *map) {
      if (!isWrittenAsPlainText(element, levelsLeft - 1)) return false;
    }
    return true;
  }
  return false;
}

}  // namespace

std::optional<std::string> encodeText(const std::any& value, std::size_t depth) {
  // Short of the ladder's limit, so the tree keeps deciding at the limit.
  if (depth + 1 >= maxCodingDepth) return std::nullopt;
  const std::size_t levelsLeft = maxCodingDepth - depth - 1;
  if (!isWrittenAsPlainText(value, levelsLeft)) return std::nullopt;
  return platform::foundation::writeJsonText(value, levelsLeft + 1);
}

}  // namespace zephro::value_rules
