// Reading and writing the values a JSON token holds directly: Bool, the
// integers of every width, Float, Double, String, and the values the JSON
// coding gives a fixed form:
//   Data  a Base64 string (standard alphabet, padded)
//   Date  a number: seconds since 1970-01-01T00:00:00Z, fractional
//   URL   a string: its absoluteString
// Reads never convert between JSON types: true is not an integer, 1 is not a
// Bool, "1" is not a number. A number written with a fraction or an exponent
// (2.0, 1e3) never reads as an integer, so a decoded Double keeps its kind
// through a round trip.
#pragma once

#include <concepts>
#include <cstdint>
#include <limits>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <type_traits>

#include "zephro/json/coding_path.h"
#include "zephro/platform/foundation/kinds.h"
#include "zephro/platform/foundation/url.h"

namespace zephro::coding_detail {

enum class ReadStatus { ok, wrongType, doesNotFit, malformed };

// The kind names used in error texts; empty for types that are not primitive.
template <class T>
consteval std::string_view primitiveName() {
  using std::is_same_v;
  if constexpr (is_same_v<T, bool>)
    return "Bool";
  else if constexpr (is_same_v<T, signed char>)
    return "Int8";
  else if constexpr (is_same_v<T, short>)
    return "Int16";
  else if constexpr (is_same_v<T, int>)
    return "Int32";
  else if constexpr (is_same_v<T, long>)
    return "Int";
  else if constexpr (is_same_v<T, long long>)
    return "Int64";
  else if constexpr (is_same_v<T, unsigned char>)
    return "UInt8";
  else if constexpr (is_same_v<T, unsigned short>)
    return "UInt16";
  else if constexpr (is_same_v<T, unsigned int>)
    return "UInt32";
  else if constexpr (is_same_v<T, unsigned long>)
    return "UInt";
  else if constexpr (is_same_v<T, unsigned long long>)
    return "UInt64";
  else if constexpr (is_same_v<T, float>)
    return "Float";
  else if constexpr (is_same_v<T, double>)
    return "Double";
  else if constexpr (is_same_v<T, std::string>)
    return "String";
  else if constexpr (is_same_v<T, Data>)
    return "Data";
  else if constexpr (is_same_v<T, Date>)
    return "Date";
  else if constexpr (is_same_v<T, URL>)
    return "URL";
  else
    return "";
}

template <class T>
concept Primitive = !primitiveName<T>().empty();

template <class T>
concept Integer = Primitive<T> && std::integral<T> && !std::same_as<T, bool>;

ReadStatus readSigned(const nlohmann::json& node, std::int64_t min, std::int64_t max, std::int64_t& out);
ReadStatus readUnsigned(const nlohmann::json& node, std::uint64_t max, std::uint64_t& out);
ReadStatus readPrimitive(const nlohmann::json& node, bool& out);
ReadStatus readPrimitive(const nlohmann::json& node, float& out);
ReadStatus readPrimitive(const nlohmann::json& node, double& out);
ReadStatus readPrimitive(const nlohmann::json& node, std::string& out);
ReadStatus readPrimitive(const nlohmann::json& node, Data& out);
ReadStatus readPrimitive(const nlohmann::json& node, Date& out);
// URL has no empty state, so it is read into an optional.
ReadStatus readPrimitive(const nlohmann::json& node, std::optional<URL>& out);

template <Integer T>
ReadStatus readPrimitive(const nlohmann::json& node, T& out) {
  using Limits = std::numeric_limits<T>;
  ReadStatus status;
  if constexpr (std::is_signed_v<T>) {
    std::int64_t v = 0;
    status = readSigned(node, Limits::min(), Limits::max(), v);
    out = static_cast<T>(v);
  } else {
    std::uint64_t v = 0;
    status = readUnsigned(node, Limits::max(), v);
    out = static_cast<T>(v);
  }
  return status;
}

// Writes throw EncodingError (naming `link`) for what JSON cannot hold: a
// non-finite Float or Double, a String that is not UTF-8.
void writePrimitive(nlohmann::ordered_json& slot, bool v, const CodingPathLink* link);
void writePrimitive(nlohmann::ordered_json& slot, float v, const CodingPathLink* link);
void writePrimitive(nlohmann::ordered_json& slot, double v, const CodingPathLink* link);
void writePrimitive(nlohmann::ordered_json& slot, const std::string& v, const CodingPathLink* link);
void writePrimitive(nlohmann::ordered_json& slot, const Data& v, const CodingPathLink* link);
void writePrimitive(nlohmann::ordered_json& slot, const Date& v, const CodingPathLink* link);
void writePrimitive(nlohmann::ordered_json& slot, const URL& v, const CodingPathLink* link);

template <Integer T>
void writePrimitive(nlohmann::ordered_json& slot, T v, const CodingPathLink*) {
  if constexpr (std::is_signed_v<T>) {
    slot = static_cast<std::int64_t>(v);
  } else {
    slot = static_cast<std::uint64_t>(v);
  }
}

}  // namespace zephro::coding_detail
