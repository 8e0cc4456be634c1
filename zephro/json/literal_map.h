// The value a dictionary literal makes: key/value pairs of any kinds, in the
// order written, each key once (the first occurrence of a key wins).
#pragma once

#include <any>
#include <utility>
#include <vector>

namespace zephro {

struct LiteralMap {
  std::vector<std::pair<std::any, std::any>> entries;
};

}  // namespace zephro
