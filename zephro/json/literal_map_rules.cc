#include <algorithm>

#include "zephro/json/value_rules.h"

namespace zephro::value_rules {

LiteralMap literalMap(std::vector<std::pair<std::any, std::any>> entries, WrapperType self) {
  LiteralMap map;
  for (auto& entry : entries) {
    bool seen = std::any_of(map.entries.begin(), map.entries.end(),
                            [&](const auto& kept) { return equal(kept.first, entry.first, self); });
    if (!seen) map.entries.push_back(std::move(entry));
  }
  return map;
}

}  // namespace zephro::value_rules
