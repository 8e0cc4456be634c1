// Walking the list and map kinds (plain, literal, wrapped) element by
// element, whatever container holds them.
#pragma once

#include <any>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "zephro/json/any_codable.h"
#include "zephro/json/value_kind.h"

namespace zephro::value_rules {

// A borrowed element: a plain collection's std::any, or a wrapped
// collection's wrapper.
using ElementRef = std::variant<const std::any*, const AnyCodable*, const AnyDecodable*, const AnyEncodable*>;

// The element as a W when it is one, held directly or inside its std::any.
template <class W>
const W* wrapperOf(ElementRef element) {
  if (const auto* plain = std::get_if<const std::any*>(&element)) return std::any_cast<W>(*plain);
  if (const auto* wrapper = std::get_if<const W*>(&element)) return *wrapper;
  return nullptr;
}

// Calls f(std::type_identity<W>{}) for the wrapper type W that `type` names.
template <class F>
decltype(auto) withWrapperType(WrapperType type, F&& f) {
  switch (type) {
    case WrapperType::decodable: return f(std::type_identity<AnyDecodable>{});
    case WrapperType::encodable: return f(std::type_identity<AnyEncodable>{});
    case WrapperType::codable: break;
  }
  return f(std::type_identity<AnyCodable>{});
}

namespace collections_detail {

template <class Container, class Visit>
bool visitElements(const std::any& value, Visit& visit) {
  for (const auto& element : *std::any_cast<Container>(&value)) visit(ElementRef(&element));
  return true;
}

template <class Container, class Visit>
bool visitEntries(const std::any& value, Visit& visit) {
  for (const auto& [key, element] : *std::any_cast<Container>(&value)) visit(key, ElementRef(&element));
  return true;
}

bool hasOnlyStringKeys(const LiteralMap& map);

}  // namespace collections_detail

// Calls visit(ElementRef) for each element of a list kind, in order. False,
// visiting nothing, for any other kind.
template <class Visit>
bool forEachElement(const std::any& value, Visit&& visit) {
  using collections_detail::visitElements;
  switch (kindOf(value)) {
    case ValueKind::plainList: return visitElements<PlainList>(value, visit);
    case ValueKind::codableList: return visitElements<std::vector<AnyCodable>>(value, visit);
    case ValueKind::decodableList: return visitElements<std::vector<AnyDecodable>>(value, visit);
    case ValueKind::encodableList: return visitElements<std::vector<AnyEncodable>>(value, visit);
    default: return false;
  }
}

// Calls visit(const std::string& key, ElementRef) for each entry of a map kind
// whose keys are all strings: in key order, or in the order written for a
// literal map. False, visiting nothing, for any other value.
template <class Visit>
bool forEachEntry(const std::any& value, Visit&& visit) {
  using collections_detail::visitEntries;
  switch (kindOf(value)) {
    case ValueKind::plainMap: return visitEntries<PlainMap>(value, visit);
    case ValueKind::codableMap: return visitEntries<std::map<std::string, AnyCodable>>(value, visit);
    case ValueKind::decodableMap: return visitEntries<std::map<std::string, AnyDecodable>>(value, visit);
    case ValueKind::encodableMap: return visitEntries<std::map<std::string, AnyEncodable>>(value, visit);
    case ValueKind::literalMap: {
      const auto& map = *std::any_cast<LiteralMap>(&value);
      if (!collections_detail::hasOnlyStringKeys(map)) return false;
      for (const auto& [key, element] : map.entries) visit(*std::any_cast<std::string>(&key), ElementRef(&element));
      return true;
    }
    default: return false;
  }
}

// A list kind whose elements are all W (any empty list kind qualifies).
template <class W>
std::optional<std::vector<const W*>> wrappedList(const std::any& value) {
  std::vector<const W*> elements;
  bool allWrapped = true;
  bool isList = forEachElement(value, [&](ElementRef element) {
    const W* wrapper = wrapperOf<W>(element);
    allWrapped = allWrapped && wrapper;
    elements.push_back(wrapper);
  });
  if (!isList || !allWrapped) return std::nullopt;
  return elements;
}

// A string-keyed map kind whose values are all W (any empty map kind qualifies).
template <class W>
std::optional<std::map<std::string_view, const W*>> wrappedMap(const std::any& value) {
  std::map<std::string_view, const W*> entries;
  bool allWrapped = true;
  bool isMap = forEachEntry(value, [&](const std::string& key, ElementRef element) {
    const W* wrapper = wrapperOf<W>(element);
    allWrapped = allWrapped && wrapper;
    entries.emplace(key, wrapper);
  });
  if (!isMap || !allWrapped) return std::nullopt;
  return entries;
}

}  // namespace zephro::value_rules
