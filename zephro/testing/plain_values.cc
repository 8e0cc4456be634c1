#include "zephro/testing/plain_values.h"

#include <type_traits>

#include "zephro/platform/foundation/plain_value.h"

namespace zephro::testing {

namespace {

using platform::foundation::visitPlainValue;

template <typename T>
bool equalAs(const T& a, const std::any& b) {
  bool equal = false;
  visitPlainValue(b, [&](const auto& other) {
    using Other = std::decay_t<decltype(other)>;
    if constexpr (std::is_same_v<T, PlainList>) {
      if constexpr (std::is_same_v<Other, PlainList>) {
        equal = a.size() == other.size();
        for (std::size_t i = 0; equal && i < a.size(); ++i) equal = plainEquals(a[i], other[i]);
      }
    } else if constexpr (std::is_same_v<T, PlainMap>) {
      if constexpr (std::is_same_v<Other, PlainMap>) {
        equal = a.size() == other.size();
        for (auto i = a.begin(), j = other.begin(); equal && i != a.end(); ++i, ++j) {
          equal = i->first == j->first && plainEquals(i->second, j->second);
        }
      }
    } else if constexpr (std::is_same_v<T, Other>) {
      equal = a == other;
    }
  });
  return equal;
}

}  // namespace

bool plainEquals(const std::any& a, const std::any& b) {
  if (a.type() != b.type()) return false;
  if (!a.has_value()) return true;
  bool equal = false;
  visitPlainValue(a, [&](const auto& value) { equal = equalAs(value, b); });
  return equal;
}

}  // namespace zephro::testing
