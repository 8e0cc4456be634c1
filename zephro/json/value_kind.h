// Sorting a held value into its kind, once, by its exact C++ type (see the
// table in zephro/json/any_codable.h).
#pragma once

#include <any>
#include <cstdint>
#include <optional>
#include <string>

namespace zephro {

class Encodable;

enum class ValueKind {
  none,
  null,
  boolean,
  int64,  // Int
  int8,
  int16,
  int32,
  longLong,  // Int64
  uint64,    // UInt
  uint8,
  uint16,
  uint32,
  ulongLong,  // UInt64
  float32,
  float64,
  string,
  number,
  date,
  url,
  data,
  plainList,
  plainMap,
  literalMap,
  codableList,
  decodableList,
  encodableList,
  codableMap,
  decodableMap,
  encodableMap,
  codable,  // a wrapper held inside another
  decodable,
  encodable,
  encodableObject,  // std::shared_ptr<const Encodable> or std::shared_ptr<Encodable>
  other,
};

ValueKind kindOf(const std::any& value);
// Calls f with the held value as its own type, for the kinds from Bool to
// String; nothing for the others. f returns the same type for all of them.
template <class F>
auto visitScalar(const std::any& value, ValueKind kind, F&& f) -> std::optional<decltype(f(false))> {
  switch (kind) {
    case ValueKind::boolean: return f(*std::any_cast<bool>(&value));
    case ValueKind::int64: return f(*std::any_cast<std::int64_t>(&value));
    case ValueKind::int8: return f(*std::any_cast<std::int8_t>(&value));
    case ValueKind::int16: return f(*std::any_cast<std::int16_t>(&value));
    case ValueKind::int32: return f(*std::any_cast<std::int32_t>(&value));
    case ValueKind::longLong: return f(*std::any_cast<long long>(&value));
    case ValueKind::uint64: return f(*std::any_cast<std::uint64_t>(&value));
    case ValueKind::uint8: return f(*std::any_cast<std::uint8_t>(&value));
    case ValueKind::uint16: return f(*std::any_cast<std::uint16_t>(&value));
    case ValueKind::uint32: return f(*std::any_cast<std::uint32_t>(&value));
    case ValueKind::ulongLong: return f(*std::any_cast<unsigned long long>(&value));
    case ValueKind::float32: return f(*std::any_cast<float>(&value));
    case ValueKind::float64: return f(*std::any_cast<double>(&value));
    case ValueKind::string: return f(*std::any_cast<std::string>(&value));
    default: return std::nullopt;
  }
}

// The object a value of the encodableObject kind points to; null otherwise.
const Encodable* encodableObjectOf(const std::any& value);

}  // namespace zephro
