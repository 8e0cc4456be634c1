// Hashing of held values, consistent with equality: what compares equal is
// fed alike, and the kinds that equality compares only by content (plain
// collections, number objects, dates, ...) feed nothing.
#include <bit>
#include <concepts>

#include "zephro/json/unicode_text.h"
#include "zephro/json/value_collections.h"
#include "zephro/json/value_rules.h"

namespace zephro::value_rules {

namespace {

template <std::integral T>
void feedScalar(T v, Hasher& hasher) {
  hasher.combine(v);
}

void feedScalar(bool v, Hasher& hasher) { hasher.combine(std::uint8_t{v}); }

// The bit pattern, with negative zero fed as positive zero (they are equal).
void feedScalar(float v, Hasher& hasher) { hasher.combine(std::bit_cast<std::uint32_t>(v == 0 ? 0.0f : v)); }
void feedScalar(double v, Hasher& hasher) { hasher.combine(std::bit_cast<std::uint64_t>(v == 0 ? 0.0 : v)); }

// Equivalent texts feed their common composed form; the end marker keeps
// ("ab", "c") and ("a", "bc") apart in a list.
void feedScalar(std::string_view text, Hasher& hasher) {
  std::optional<std::string> composed = canonicalFormIfDifferent(text);
  std::string_view form = composed ? std::string_view(*composed) : text;
  hasher.combineBytes(form.data(), form.size());
  hasher.combine(std::uint8_t{0xFF});
}

template <class W>
bool feedWrappedCollection(const std::any& value, Hasher& hasher) {
  if (auto map = wrappedMap<W>(value)) {
    // Combined order-independently, as map equality ignores order.
    std::uint64_t combined = 0;
    for (const auto& [key, element] : *map) {
      Hasher entry(hasher.seed());
      feedScalar(key, entry);
      element->hash(entry);
      combined ^= entry.finalize();
    }
    hasher.combine(combined);
    return true;
  }
  if (auto list = wrappedList<W>(value)) {
    hasher.combine(std::uint64_t{list->size()});
    for (const W* element : *list) element->hash(hasher);
    return true;
  }
  return false;
}

}  // namespace

void hash(const std::any& value, Hasher& hasher, WrapperType self) {
  ValueKind kind = kindOf(value);
  auto feed = [&hasher](const auto& held) {
    feedScalar(held, hasher);
    return true;
  };
  if (visitScalar(value, kind, feed)) return;
  withWrapperType(self, [&](auto type) { return feedWrappedCollection<typename decltype(type)::type>(value, hasher); });
}

}  // namespace zephro::value_rules
