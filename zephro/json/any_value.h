// What AnyCodable, AnyDecodable and AnyEncodable share: the one held value
// and construction from any value, typed reads, equality, hashing, textual
// forms, and (as the type's traits allow) the decoding ladder, the encoding
// ladder and the literal forms. See zephro/json/any_codable.h.
#pragma once

#include <any>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "zephro/json/decoder.h"
#include "zephro/json/encodable.h"
#include "zephro/json/encoder.h"
#include "zephro/json/value_rules.h"

namespace zephro {

namespace any_value_detail {

// Construction from any value: an absent optional (or nullptr) is the none kind, a std::any gives
// its content, an `int` is an integer literal (Int), text becomes std::string,
// a shared pointer to an Encodable becomes std::shared_ptr<const Encodable>;
// anything else is held unchanged.
template <class T>
std::any hold(T&& value) {
  using Plain = std::remove_cvref_t<T>;
  if constexpr (std::is_same_v<Plain, std::any>) {
    return std::forward<T>(value);
  } else if constexpr (coding_detail::isOptional<Plain>) {
    return value ? hold(*std::forward<T>(value)) : std::any();
  } else if constexpr (std::is_same_v<Plain, std::nullopt_t> || std::is_same_v<Plain, std::nullptr_t>) {
    return std::any();
  } else if constexpr (std::is_same_v<Plain, int>) {
    return std::int64_t{value};
  } else if constexpr (std::is_convertible_v<Plain, std::shared_ptr<const Encodable>>) {
    return std::shared_ptr<const Encodable>(std::forward<T>(value));
  } else if constexpr (std::is_convertible_v<const Plain&, std::string_view> && !std::is_same_v<Plain, std::string>) {
    return std::string(std::string_view(value));
  } else {
    return std::decay_t<T>(std::forward<T>(value));
  }
}

}  // namespace any_value_detail

// Traits: `name` (for debugDescription), `type`, and whether the wrapper
// `decodes`, `encodes` and has the literal forms (`literals`).
template <class Self, class Traits>
class AnyValue {
 public:
  // The none kind.
  AnyValue() = default;

  // Holds `value` unchanged (a wrapper stays wrapped), but see
  // any_value_detail::hold for optionals, std::any, int and text.
  template <class T>
    requires(!std::is_same_v<std::remove_cvref_t<T>, Self>)
  explicit AnyValue(T&& value) : value_(any_value_detail::hold(std::forward<T>(value))) {}

  // Literal forms: nullptr, Bool, integers (Int), floating (Double), text.
  AnyValue(std::nullptr_t) requires Traits::literals {}
  AnyValue(bool v) requires Traits::literals : value_(v) {}
  AnyValue(int v) requires Traits::literals : value_(std::int64_t{v}) {}
  AnyValue(std::int64_t v) requires Traits::literals : value_(v) {}
  AnyValue(double v) requires Traits::literals : value_(v) {}
  AnyValue(const char* v) requires Traits::literals : value_(std::string(v)) {}
  AnyValue(std::string v) requires Traits::literals : value_(std::move(v)) {}
  AnyValue(std::string_view v) requires Traits::literals : value_(std::string(v)) {}

  // An array literal: a plain list of the elements' held values.
  static Self list(std::initializer_list<Self> elements) requires Traits::literals {
    PlainList values;
    values.reserve(elements.size());
    for (const Self& element : elements) values.push_back(element.value_);
    return Self(std::any(std::move(values)));
  }
  // A dictionary literal: a LiteralMap; the first value given for a key wins.
  static Self dictionary(std::initializer_list<std::pair<Self, Self>> entries) requires Traits::literals {
    std::vector<std::pair<std::any, std::any>> pairs;
    pairs.reserve(entries.size());
    for (const auto& [key, value] : entries) pairs.emplace_back(key.value_, value.value_);
    return Self(std::any(value_rules::literalMap(std::move(pairs), Traits::type)));
  }

  const std::any& value() const { return value_; }
  // The held value when it is exactly a T (no conversion between kinds).
  template <class T>
  const T* as() const {
    return std::any_cast<T>(&value_);
  }

  static Self decode(const Decoder& decoder) requires Traits::decodes { return Self(value_rules::decode(decoder)); }
  // JSONDecoder's fast path for text: no intermediate tree.
  static Self decodeJSONText(std::string_view text) requires Traits::decodes {
    return Self(value_rules::decodeText(text));
  }
  void encode(Encoder& encoder) const requires Traits::encodes { value_rules::encode(value_, encoder); }
  // JSONEncoder's fast path: the text encode() gives, written without a tree,
  // for plain values without fractions; absent otherwise. `depth`: the steps
  // from the encoded root to this value.
  std::optional<std::string> encodeJSONText(std::size_t depth = 0) const requires Traits::encodes {
    return value_rules::encodeText(value_, depth);
  }

  friend bool operator==(const Self& a, const Self& b) { return value_rules::equal(a.value_, b.value_, Traits::type); }
  void hash(Hasher& hasher) const { value_rules::hash(value_, hasher, Traits::type); }
  // The finished hash of a hasher with the process-wide seed.
  std::uint64_t hashValue() const {
    Hasher hasher;
    hash(hasher);
    return hasher.finalize();
  }

  std::string description() const { return value_rules::describe(value_); }
  std::string debugDescription() const {
    return std::string(Traits::name) + "(" + value_rules::debugDescribe(value_) + ")";
  }

 private:
  std::any value_;
};

// For std::hash specialisations.
struct AnyValueHash {
  template <class V>
  std::size_t operator()(const V& value) const {
    return static_cast<std::size_t>(value.hashValue());
  }
};

}  // namespace zephro
