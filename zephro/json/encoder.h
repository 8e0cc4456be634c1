// Encoding typed values into a JSON tree, through the three kinds of
// container: keyed (a JSON object), unkeyed (an array) and single-value.
//
// A type is encodable when it has a member `void encode(Encoder&) const`
// (deriving from Encodable is only needed for type-erased holding):
//
//   void encode(Encoder& encoder) const {
//     auto c = encoder.container();
//     c.encodeIfPresent("scope", scope);
//     c.encodeIfPresent("invokeId", invokeId);
//   }
//
// encode accepts what decode<T> accepts (zephro/json/decoder.h), plus text
// given as const char* or std::string_view. An absent optional writes null
// (encodeIfPresent writes nothing instead); a value whose encode writes
// nothing is null. Object members keep the order in
// which they were first written; writing a key again replaces its value.
// Each integer width and Float are written through an operation of their own.
// Failures throw EncodingError.
//
// Lifetimes: an Encoder writes into a tree it does not own and is valid
// during the encode call it is passed to. Containers are neither copied nor
// moved. A nested container writes into its parent's storage: it stays valid
// until the parent container is written to again (as with references into a
// growing std::vector).
#pragma once

#include <concepts>
#include <cstddef>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "zephro/json/coding_error.h"
#include "zephro/json/coding_path.h"
#include "zephro/json/decoder.h"
#include "zephro/json/primitive_coding.h"

namespace zephro {

class Encoder;
class KeyedEncodingContainer;
class UnkeyedEncodingContainer;
class SingleValueEncodingContainer;

template <class T>
concept EncodableValue = requires(const T& value, Encoder& encoder) {
  value.encode(encoder);
};

namespace coding_detail {

template <class T>
void encodeNode(nlohmann::ordered_json& slot, const T& value, const CodingPathLink* link);

}  // namespace coding_detail

class Encoder {
 public:
  // Writes the whole value into `root`.
  explicit Encoder(nlohmann::ordered_json& root) : Encoder(root, nullptr) {}
  // Writes into `slot`, found at `link` (which must outlive the encoder).
  Encoder(nlohmann::ordered_json& slot, const CodingPathLink* link) : slot_(&slot), link_(link) {}

  CodingPath codingPath() const { return CodingPathLink::pathTo(link_); }
  const CodingPathLink* link() const { return link_; }

  // The value becomes an object / an array (kept if it already is one).
  KeyedEncodingContainer container();
  UnkeyedEncodingContainer unkeyedContainer();
  SingleValueEncodingContainer singleValueContainer();

 private:
  nlohmann::ordered_json* slot_;
  const CodingPathLink* link_;
};

class SingleValueEncodingContainer {
 public:
  SingleValueEncodingContainer(nlohmann::ordered_json& slot, const CodingPathLink* link) : slot_(&slot), link_(link) {}

  CodingPath codingPath() const { return CodingPathLink::pathTo(link_); }
  const CodingPathLink* link() const { return link_; }
  void encodeNil() { *slot_ = nullptr; }
  template <class T>
  void encode(const T& value) {
    coding_detail::encodeNode(*slot_, value, link_);
  }

 private:
  nlohmann::ordered_json* slot_;
  const CodingPathLink* link_;
};

class KeyedEncodingContainer {
 public:
  KeyedEncodingContainer(nlohmann::ordered_json& slot, const CodingPathLink* link);
  KeyedEncodingContainer(nlohmann::ordered_json& slot, const CodingPathLink* parent, std::string_view key);
  KeyedEncodingContainer(nlohmann::ordered_json& slot, const CodingPathLink* parent, std::size_t index);
  KeyedEncodingContainer(const KeyedEncodingContainer&) = delete;
  KeyedEncodingContainer& operator=(const KeyedEncodingContainer&) = delete;

  CodingPath codingPath() const { return CodingPathLink::pathTo(link_); }

  template <class T>
  void encode(std::string_view key, const T& value) {
    CodingPathLink step(link_, key);
    coding_detail::encodeNode(member(key), value, &step);
  }
  // For a key not written before (the caller's promise, e.g. the keys of a
  // map): skips the search that keeps keys unique, so writing n keys costs
  // O(n) instead of O(n^2).
  template <class T>
  void encodeNewKey(std::string_view key, const T& value) {
    CodingPathLink step(link_, key);
    coding_detail::encodeNode(appendMember(key), value, &step);
  }
  // Writes nothing for an absent value.
  template <class T>
  void encodeIfPresent(std::string_view key, const std::optional<T>& value) {
    if (value) encode(key, *value);
  }
  void encodeNil(std::string_view key) { member(key) = nullptr; }

  KeyedEncodingContainer nestedContainer(std::string_view key);
  UnkeyedEncodingContainer nestedUnkeyedContainer(std::string_view key);

 private:
  nlohmann::ordered_json& member(std::string_view key);
  nlohmann::ordered_json& appendMember(std::string_view key);

  std::optional<OwnedCodingStep> ownStep_;
  const CodingPathLink* link_;
  nlohmann::ordered_json* object_;
};

class UnkeyedEncodingContainer {
 public:
  UnkeyedEncodingContainer(nlohmann::ordered_json& slot, const CodingPathLink* link);
  UnkeyedEncodingContainer(nlohmann::ordered_json& slot, const CodingPathLink* parent, std::string_view key);
  UnkeyedEncodingContainer(nlohmann::ordered_json& slot, const CodingPathLink* parent, std::size_t index);
  UnkeyedEncodingContainer(const UnkeyedEncodingContainer&) = delete;
  UnkeyedEncodingContainer& operator=(const UnkeyedEncodingContainer&) = delete;

  CodingPath codingPath() const { return CodingPathLink::pathTo(link_); }
  std::size_t count() const { return array_->size(); }

  template <class T>
  void encode(const T& value) {
    CodingPathLink step(link_, count());
    coding_detail::encodeNode(array_->emplace_back(), value, &step);
  }
  void encodeNil() { array_->emplace_back(nullptr); }

  KeyedEncodingContainer nestedContainer();
  UnkeyedEncodingContainer nestedUnkeyedContainer();

 private:
  std::optional<OwnedCodingStep> ownStep_;
  const CodingPathLink* link_;
  nlohmann::ordered_json* array_;
};

namespace coding_detail {

template <class T>
void encodeNode(nlohmann::ordered_json& slot, const T& value, const CodingPathLink* link) {
  if constexpr (isOptional<T>) {
    if (value) {
      encodeNode(slot, *value, link);
    } else {
      slot = nullptr;
    }
  } else if constexpr (std::is_convertible_v<const T&, std::string_view> && !std::is_same_v<T, std::string>) {
    writePrimitive(slot, std::string(std::string_view(value)), link);
  } else if constexpr (Primitive<T>) {
    writePrimitive(slot, value, link);
  } else if constexpr (EncodableValue<T>) {
    Encoder encoder(slot, link);
    value.encode(encoder);
  } else if constexpr (isList<T>) {
    UnkeyedEncodingContainer list(slot, link);
    for (const auto& element : value) list.encode(element);
  } else if constexpr (isStringMap<T>) {
    KeyedEncodingContainer map(slot, link);
    for (const auto& [key, element] : value) map.encodeNewKey(key, element);
  } else {
    static_assert(sizeof(T) == 0, "T is not encodable: give it `void encode(Encoder&) const`");
  }
}

}  // namespace coding_detail

inline KeyedEncodingContainer Encoder::container() { return {*slot_, link_}; }
inline UnkeyedEncodingContainer Encoder::unkeyedContainer() { return {*slot_, link_}; }
inline SingleValueEncodingContainer Encoder::singleValueContainer() { return {*slot_, link_}; }

}  // namespace zephro
