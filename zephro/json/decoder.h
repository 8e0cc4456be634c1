// Decoding typed values from a parsed JSON tree, through the three kinds of
// container: keyed (a JSON object), unkeyed (an array) and single-value.
//
// A type is Decodable when it has `static T decode(const Decoder&)`:
//
//   static WebViewInvoke decode(const Decoder& decoder) {
//     auto c = decoder.container();
//     WebViewInvoke v;
//     v.scope = c.decodeIfPresent<std::string>("scope");
//     v.invokeId = c.decodeIfPresent<std::int64_t>("invokeId");
//     return v;
//   }
//
// decode<T> accepts: Bool, every integer width, Float, Double, std::string,
// Data, Date, URL (see zephro/json/primitive_coding.h for their JSON forms),
// std::optional<T> (null is absent), std::vector<T> (an array; but
// std::vector<std::uint8_t> is Data), std::map<std::string, T> (an object) and
// Decodable types. Failures throw DecodingError; nothing partly decoded
// escapes.
//
// Lifetimes: a Decoder reads a tree it does not own, and is valid during the
// decode call it is passed to. Containers are neither copied nor moved; a
// nested container must not outlive the container it came from.
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
#include "zephro/json/primitive_coding.h"

namespace zephro {

class Decoder;
class KeyedDecodingContainer;
class UnkeyedDecodingContainer;
class SingleValueDecodingContainer;

template <class T>
concept Decodable = requires(const Decoder& decoder) {
  { T::decode(decoder) } -> std::same_as<T>;
};

namespace coding_detail {

template <class T>
inline constexpr bool isOptional = false;
template <class T>
inline constexpr bool isOptional<std::optional<T>> = true;
template <class T>
inline constexpr bool isList = false;
template <class T>
inline constexpr bool isList<std::vector<T>> = true;  // Data is a primitive, met first
template <class T>
inline constexpr bool isStringMap = false;
template <class T>
inline constexpr bool isStringMap<std::map<std::string, T>> = true;

[[noreturn]] void throwReadFailure(ReadStatus status, const nlohmann::json& node, std::string_view expected,
                                   const CodingPathLink* link);
[[noreturn]] void throwKeyNotFound(std::string_view key, const CodingPathLink* link);
[[noreturn]] void throwAtEnd(const CodingPathLink* link);
const nlohmann::json::array_t& arrayOf(const nlohmann::json& node, const CodingPathLink* link);
const nlohmann::json::object_t& objectOf(const nlohmann::json& node, const CodingPathLink* link);

template <class T>
T decodeNode(const nlohmann::json& node, const CodingPathLink* link);

// Reads `node` as T into `out`, leaving it empty unless the read succeeds.
template <Primitive T>
ReadStatus readInto(const nlohmann::json& node, std::optional<T>& out) {
  if constexpr (std::is_same_v<T, URL>) {
    return readPrimitive(node, out);
  } else {
    T value{};
    ReadStatus status = readPrimitive(node, value);
    if (status == ReadStatus::ok) out = std::move(value);
    return status;
  }
}

}  // namespace coding_detail

class Decoder {
 public:
  // Decodes the whole of `root`.
  explicit Decoder(const nlohmann::json& root) : Decoder(root, nullptr) {}
  // Decodes `node`, found at `link` (which must outlive the decoder). Throws
  // DecodingError (data corrupted) when `link` is nested deeper than
  // maxCodingDepth.
  Decoder(const nlohmann::json& node, const CodingPathLink* link);

  CodingPath codingPath() const { return CodingPathLink::pathTo(link_); }
  // For code that walks the tree itself.
  const nlohmann::json& tree() const { return *node_; }
  const CodingPathLink* link() const { return link_; }

  // Throw DecodingError (type mismatch) unless the value is an object / an array.
  KeyedDecodingContainer container() const;
  UnkeyedDecodingContainer unkeyedContainer() const;
  SingleValueDecodingContainer singleValueContainer() const;

 private:
  const nlohmann::json* node_;
  const CodingPathLink* link_;
};

class SingleValueDecodingContainer {
 public:
  SingleValueDecodingContainer(const nlohmann::json& node, const CodingPathLink* link) : node_(&node), link_(link) {}

  CodingPath codingPath() const { return CodingPathLink::pathTo(link_); }
  bool decodeNil() const { return node_->is_null(); }
  template <class T>
  T decode() const {
    return coding_detail::decodeNode<T>(*node_, link_);
  }
  // The value when it reads as T, else nothing: for trying kinds in turn
  // without paying for exceptions.
  template <coding_detail::Primitive T>
  std::optional<T> decodeIfMatches() const {
    std::optional<T> value;
    coding_detail::readInto(*node_, value);
    return value;
  }

 private:
  const nlohmann::json* node_;
  const CodingPathLink* link_;
};

class KeyedDecodingContainer {
 public:
  KeyedDecodingContainer(const nlohmann::json& node, const CodingPathLink* link);
  KeyedDecodingContainer(const nlohmann::json& node, const CodingPathLink* parent, std::string_view key);
  KeyedDecodingContainer(const nlohmann::json& node, const CodingPathLink* parent, std::size_t index);
  KeyedDecodingContainer(const KeyedDecodingContainer&) = delete;
  KeyedDecodingContainer& operator=(const KeyedDecodingContainer&) = delete;

  CodingPath codingPath() const { return CodingPathLink::pathTo(link_); }
  bool contains(std::string_view key) const { return find(key) != nullptr; }
  std::vector<std::string> allKeys() const;
  // True when the key holds null; throws (key not found) when it is missing.
  bool decodeNil(std::string_view key) const;

  // Throws when the key is missing (key not found), null (value not found) or
  // of another type.
  template <class T>
  T decode(std::string_view key) const {
    const nlohmann::json* member = find(key);
    if (!member) coding_detail::throwKeyNotFound(key, link_);
    CodingPathLink step(link_, key);
    return coding_detail::decodeNode<T>(*member, &step);
  }
  // Absent when the key is missing or null; throws when it is of another type.
  template <class T>
  std::optional<T> decodeIfPresent(std::string_view key) const {
    const nlohmann::json* member = find(key);
    if (!member || member->is_null()) return std::nullopt;
    CodingPathLink step(link_, key);
    return coding_detail::decodeNode<T>(*member, &step);
  }

  KeyedDecodingContainer nestedContainer(std::string_view key) const;
  UnkeyedDecodingContainer nestedUnkeyedContainer(std::string_view key) const;

 private:
  const nlohmann::json* find(std::string_view key) const;
  const nlohmann::json& require(std::string_view key) const;

  std::optional<OwnedCodingStep> ownStep_;
  const CodingPathLink* link_;
  const nlohmann::json::object_t* object_;
};

class UnkeyedDecodingContainer {
 public:
  UnkeyedDecodingContainer(const nlohmann::json& node, const CodingPathLink* link);
  UnkeyedDecodingContainer(const nlohmann::json& node, const CodingPathLink* parent, std::string_view key);
  UnkeyedDecodingContainer(const nlohmann::json& node, const CodingPathLink* parent, std::size_t index);
  UnkeyedDecodingContainer(const UnkeyedDecodingContainer&) = delete;
  UnkeyedDecodingContainer& operator=(const UnkeyedDecodingContainer&) = delete;

  CodingPath codingPath() const { return CodingPathLink::pathTo(link_); }
  std::size_t count() const { return array_->size(); }
  bool isAtEnd() const { return currentIndex_ >= array_->size(); }
  std::size_t currentIndex() const { return currentIndex_; }

  // True, and moves on, when the current element is null.
  bool decodeNil();
  // Decodes the current element and moves on; throws (value not found) at the
  // end, and leaves the position unchanged on failure.
  template <class T>
  T decode() {
    if (isAtEnd()) coding_detail::throwAtEnd(link_);
    CodingPathLink step(link_, currentIndex_);
    T value = coding_detail::decodeNode<T>((*array_)[currentIndex_], &step);
    ++currentIndex_;
    return value;
  }
  // Absent, moving on, for null; absent at the end.
  template <class T>
  std::optional<T> decodeIfPresent() {
    if (isAtEnd()) return std::nullopt;
    if (decodeNil()) return std::nullopt;
    return decode<T>();
  }

  KeyedDecodingContainer nestedContainer();
  UnkeyedDecodingContainer nestedUnkeyedContainer();

 private:
  const nlohmann::json& current();

  std::optional<OwnedCodingStep> ownStep_;
  const CodingPathLink* link_;
  const nlohmann::json::array_t* array_;
  std::size_t currentIndex_ = 0;
};

namespace coding_detail {

template <class T>
T decodeNode(const nlohmann::json& node, const CodingPathLink* link) {
  if constexpr (isOptional<T>) {
    if (node.is_null()) return std::nullopt;
    return decodeNode<typename T::value_type>(node, link);
  } else if constexpr (Primitive<T>) {
    std::optional<T> value;
    ReadStatus status = readInto(node, value);
    if (!value) throwReadFailure(status, node, primitiveName<T>(), link);
    return std::move(*value);
  } else if constexpr (Decodable<T>) {
    return T::decode(Decoder(node, link));
  } else if constexpr (isList<T>) {
    const auto& array = arrayOf(node, link);
    T out;
    out.reserve(array.size());
    for (std::size_t i = 0; i < array.size(); ++i) {
      CodingPathLink step(link, i);
      out.push_back(decodeNode<typename T::value_type>(array[i], &step));
    }
    return out;
  } else if constexpr (isStringMap<T>) {
    T out;
    for (const auto& [key, value] : objectOf(node, link)) {
      CodingPathLink step(link, key);
      out.emplace_hint(out.end(), key, decodeNode<typename T::mapped_type>(value, &step));
    }
    return out;
  } else {
    static_assert(sizeof(T) == 0, "T is not decodable: give it `static T decode(const Decoder&)`");
  }
}

}  // namespace coding_detail

inline KeyedDecodingContainer Decoder::container() const { return {*node_, link_}; }
inline UnkeyedDecodingContainer Decoder::unkeyedContainer() const { return {*node_, link_}; }
inline SingleValueDecodingContainer Decoder::singleValueContainer() const { return {*node_, link_}; }

}  // namespace zephro
