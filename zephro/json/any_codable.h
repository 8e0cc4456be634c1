// The kit's type-erased JSON value, AnyCodable, and its twins AnyDecodable
// (decoding only, no literal forms) and AnyEncodable (encoding only). Each
// holds one value of any type in a std::any, read-only after construction.
//
// Kinds are told apart by exact C++ type, never converted into one another:
//
//   kind                    C++ type held
//   ----------------------  ---------------------------------------------------
//   none kind               nothing (empty std::any): AnyCodable(), nullptr,
//                           an absent std::optional
//   null kind               zephro::Null (what decoding a JSON null gives)
//   Bool                    bool
//   Int, UInt               std::int64_t, std::uint64_t (long, unsigned long);
//                           decoding gives Int, or UInt above Int's range
//   Int64, UInt64           long long, unsigned long long
//   Int8..Int32             std::int8_t, std::int16_t, std::int32_t
//   UInt8..UInt32           std::uint8_t, std::uint16_t, std::uint32_t
//   Float, Double           float, double (decoding gives Double)
//   String                  std::string, UTF-8
//   number object           zephro::Number (type code + value)
//   Date, URL               zephro::Date, zephro::URL
//   byte data               zephro::Data (encodes itself, as Base64)
//   plain list / map        zephro::PlainList, zephro::PlainMap (an element
//                           may be an empty std::any: absent)
//   literal map             zephro::LiteralMap (keys of any kind, first wins)
//   wrapped list / map      std::vector<W>, std::map<std::string, W> for W any
//                           of the three wrappers
//   other encodable         std::shared_ptr<const Encodable> (construction
//                           turns any shared pointer to an Encodable into
//                           one), or a wrapper held inside another
//   anything else           held, compared and printed, but not encodable
//
// Decoding yields plain values at every depth: Null, bool, std::int64_t,
// std::uint64_t, double, std::string, PlainList, PlainMap.
//
// Construction: AnyCodable(value) holds the value unchanged, except that an
// `int` counts as an integer literal (held as Int) and text (const char*,
// std::string_view) as std::string; to hold an Int32, pass a std::any. The
// literal forms (implicit; AnyCodable and AnyEncodable only) are nullptr,
// bool, integers, double and text, plus AnyCodable::list({1, "a", true}) for
// an array literal and AnyCodable::dictionary({{"a", 1}, {"b", 2}}) for a
// dictionary literal. (There is no initializer-list constructor: AnyCodable{x}
// would then make a one-element list instead of a copy.)
//
// Reading: `as<T>()` gives the held value only when it is exactly a T:
//   if (const std::string* name = params["name"].as<std::string>()) ...
//
// Equality (==) never crosses kinds (Int 1, Int64 1 and Double 1.0 differ):
// scalars by value (NaN equals nothing, -0.0 equals 0.0, strings by Unicode
// canonical equivalence, number objects by numeric value), the none kind
// equals itself, wrapped lists and maps of the same wrapper element by
// element (a plain one holding only such wrappers counts, an empty one
// always). AnyCodable alone then compares any other lists and string-keyed
// maps by content (numbers by numeric value whatever their kind); AnyCodable
// and AnyDecodable count two nulls as equal. Dates, URLs, data and other
// values compare unequal. Hashing (std::hash, hash(Hasher&)) agrees with it.
// description() prints the value ("nil" for the none kind), and
// debugDescription() wraps its debug form (strings quoted) as
// "AnyCodable(...)", "AnyDecodable(...)" or "AnyEncodable(...)".
#pragma once

#include <functional>
#include <string_view>

#include "zephro/json/any_value.h"
#include "zephro/json/encodable.h"
#include "zephro/json/literal_map.h"
#include "zephro/json/wrapper_type.h"
#include "zephro/platform/foundation/kinds.h"

namespace zephro {

struct AnyCodableTraits {
  static constexpr std::string_view name = "AnyCodable";
  static constexpr WrapperType type = WrapperType::codable;
  static constexpr bool decodes = true;
  static constexpr bool encodes = true;
  static constexpr bool literals = true;
};

struct AnyDecodableTraits {
  static constexpr std::string_view name = "AnyDecodable";
  static constexpr WrapperType type = WrapperType::decodable;
  static constexpr bool decodes = true;
  static constexpr bool encodes = false;
  static constexpr bool literals = false;
};

struct AnyEncodableTraits {
  static constexpr std::string_view name = "AnyEncodable";
  static constexpr WrapperType type = WrapperType::encodable;
  static constexpr bool decodes = false;
  static constexpr bool encodes = true;
  static constexpr bool literals = true;
};

class AnyCodable : public AnyValue<AnyCodable, AnyCodableTraits> {
 public:
  using AnyValue::AnyValue;
};

class AnyDecodable : public AnyValue<AnyDecodable, AnyDecodableTraits> {
 public:
  using AnyValue::AnyValue;
};

class AnyEncodable : public AnyValue<AnyEncodable, AnyEncodableTraits> {
 public:
  using AnyValue::AnyValue;
};

}  // namespace zephro

template <>
struct std::hash<zephro::AnyCodable> : zephro::AnyValueHash {};
template <>
struct std::hash<zephro::AnyDecodable> : zephro::AnyValueHash {};
template <>
struct std::hash<zephro::AnyEncodable> : zephro::AnyValueHash {};
