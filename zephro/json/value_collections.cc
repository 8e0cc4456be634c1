#include "zephro/json/value_collections.h"

#include <algorithm>

namespace zephro::value_rules::collections_detail {

bool hasOnlyStringKeys(const LiteralMap& map) {
  return std::all_of(map.entries.begin(), map.entries.end(),
                     [](const auto& entry) { return entry.first.type() == typeid(std::string); });
}

}  // namespace zephro::value_rules::collections_detail
