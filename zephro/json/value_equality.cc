// Equality of held values. Scalars compare only with the same kind (an Int 1
// is neither an Int64 1 nor a Double 1.0). Collections try, in order: wrapped
// maps and wrapped lists of the caller's own wrapper type, element by
// element; then, for AnyCodable only, any string-keyed maps and any lists by
// content, as boxed collections compare (numbers by numeric value whatever
// their kind, strings byte by byte, nulls equal); then the null kind, equal
// to itself except for AnyEncodable.
#include <algorithm>
#include <type_traits>

#include "zephro/json/unicode_text.h"
#include "zephro/json/value_collections.h"
#include "zephro/json/value_rules.h"

namespace zephro::value_rules {

namespace {

template <class T>
bool heldEqual(const std::any& a, const std::any& b) {
  return *std::any_cast<T>(&a) == *std::any_cast<T>(&b);
}

// A kind compared by value on its own. Number, for which no conversion to the
// typed kinds exists here, equals a Number of the same numeric value.
bool isScalar(ValueKind kind) { return kind <= ValueKind::number; }

bool scalarsEqual(ValueKind kind, const std::any& a, const std::any& b) {
  if (kind == ValueKind::none) return true;
  if (kind == ValueKind::number) return heldEqual<Number>(a, b);
  auto sameAsB = [&b](const auto& held) {
    using T = std::decay_t<decltype(held)>;
    if constexpr (std::is_same_v<T, std::string>) {
      return canonicallyEqual(held, *std::any_cast<std::string>(&b));
    } else {
      return held == *std::any_cast<T>(&b);
    }
  };
  return visitScalar(a, kind, sameAsB).value_or(false);
}

template <class W>
bool wrappedListsEqual(const std::vector<const W*>& a, const std::vector<const W*>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const W* x, const W* y) { return *x == *y; });
}

template <class W>
bool wrappedMapsEqual(const std::map<std::string_view, const W*>& a, const std::map<std::string_view, const W*>& b) {
  return a.size() == b.size() && std::all_of(a.begin(), a.end(), [&b](const auto& entry) {
           auto found = b.find(entry.first);
           return found != b.end() && *entry.second == *found->second;
         });
}

// Equality of the elements of plain collections, compared by content.
bool objectsEqual(const std::any& a, const std::any& b);

template <class W>
std::optional<bool> compareAsWrappers(ElementRef a, ElementRef b) {
  const W* x = wrapperOf<W>(a);
  const W* y = wrapperOf<W>(b);
  if (!x && !y) return std::nullopt;
  return x && y && *x == *y;
}

bool elementsEqual(ElementRef a, ElementRef b) {
  if (auto same = compareAsWrappers<AnyCodable>(a, b)) return *same;
  if (auto same = compareAsWrappers<AnyDecodable>(a, b)) return *same;
  if (auto same = compareAsWrappers<AnyEncodable>(a, b)) return *same;
  return objectsEqual(*std::get<const std::any*>(a), *std::get<const std::any*>(b));
}

// Numbers compare by value across kinds, as boxed numbers do; Bool is one.
std::optional<Number> numberOf(const std::any& value) {
  ValueKind kind = kindOf(value);
  if (kind == ValueKind::number) return *std::any_cast<Number>(&value);
  auto boxed = [](const auto& held) -> std::optional<Number> {
    using T = std::decay_t<decltype(held)>;
    if constexpr (std::is_same_v<T, bool>) return Number::ofBool(held);
    if constexpr (std::is_same_v<T, float>) return Number::ofFloat(held);
    if constexpr (std::is_same_v<T, double>) return Number::ofDouble(held);
    if constexpr (std::is_integral_v<T> && std::is_signed_v<T>) return Number::ofInt64(held);
    if constexpr (std::is_integral_v<T> && std::is_unsigned_v<T>) return Number::ofUInt64(held);
    return std::nullopt;
  };
  return visitScalar(value, kind, boxed).value_or(std::nullopt);
}

std::vector<ElementRef> elementsOf(const std::any& value, bool& isList) {
  std::vector<ElementRef> elements;
  isList = forEachElement(value, [&elements](ElementRef element) { elements.push_back(element); });
  return elements;
}

std::map<std::string_view, ElementRef> entriesOf(const std::any& value, bool& isMap) {
  std::map<std::string_view, ElementRef> entries;
  isMap =
      forEachEntry(value, [&entries](const std::string& key, ElementRef element) { entries.emplace(key, element); });
  return entries;
}

// Two lists, or two string-keyed maps, of any kind, compared by content.
std::optional<bool> collectionObjectsEqual(const std::any& a, const std::any& b) {
  bool aIsList = false, bIsList = false;
  std::vector<ElementRef> listA = elementsOf(a, aIsList), listB = elementsOf(b, bIsList);
  if (aIsList && bIsList) return std::equal(listA.begin(), listA.end(), listB.begin(), listB.end(), elementsEqual);
  bool aIsMap = false, bIsMap = false;
  auto mapA = entriesOf(a, aIsMap), mapB = entriesOf(b, bIsMap);
  if (!aIsMap || !bIsMap) return std::nullopt;
  return std::equal(mapA.begin(), mapA.end(), mapB.begin(), mapB.end(), [](const auto& x, const auto& y) {
    return x.first == y.first && elementsEqual(x.second, y.second);
  });
}

// An absent element stands for the null object, as it does when written.
ValueKind objectKindOf(const std::any& value) {
  ValueKind kind = kindOf(value);
  return kind == ValueKind::none ? ValueKind::null : kind;
}

bool objectsEqual(const std::any& a, const std::any& b) {
  std::optional<Number> numberA = numberOf(a), numberB = numberOf(b);
  if (numberA || numberB) return numberA && numberB && *numberA == *numberB;
  ValueKind kind = objectKindOf(a);
  if (kind != objectKindOf(b)) return collectionObjectsEqual(a, b).value_or(false);
  switch (kind) {
    case ValueKind::null: return true;
    case ValueKind::string: return heldEqual<std::string>(a, b);
    case ValueKind::date: return heldEqual<Date>(a, b);
    case ValueKind::url: return heldEqual<URL>(a, b);
    case ValueKind::data: return heldEqual<Data>(a, b);
    default: return collectionObjectsEqual(a, b).value_or(false);
  }
}

template <class W>
std::optional<bool> wrappedCollectionsEqual(const std::any& a, const std::any& b) {
  if (auto mapA = wrappedMap<W>(a)) {
    if (auto mapB = wrappedMap<W>(b)) return wrappedMapsEqual(*mapA, *mapB);
  }
  if (auto listA = wrappedList<W>(a)) {
    if (auto listB = wrappedList<W>(b)) return wrappedListsEqual(*listA, *listB);
  }
  return std::nullopt;
}

}  // namespace

bool equal(const std::any& a, const std::any& b, WrapperType self) {
  ValueKind kind = kindOf(a);
  if (kind != ValueKind::null && isScalar(kind)) return kind == kindOf(b) && scalarsEqual(kind, a, b);
  std::optional<bool> wrapped =
      withWrapperType(self, [&](auto type) { return wrappedCollectionsEqual<typename decltype(type)::type>(a, b); });
  if (wrapped) return *wrapped;
  if (self == WrapperType::codable) {
    if (std::optional<bool> same = collectionObjectsEqual(a, b)) return *same;
  }
  return self != WrapperType::encodable && kind == ValueKind::null && kindOf(b) == ValueKind::null;
}

}  // namespace zephro::value_rules
