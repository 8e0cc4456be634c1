#include "zephro/json/primitive_coding.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdlib>

#include "zephro/json/base64.h"
#include "zephro/json/coding_error.h"
#include "zephro/platform/foundation/utf8.h"

namespace zephro::coding_detail {

namespace {

using Type = nlohmann::json::value_t;

// Dates as far as the clock's 64-bit nanosecond count reaches (about ±292 years).
constexpr double maxDateSeconds = 9.2e9;

[[noreturn]] void throwInvalid(std::any value, const CodingPathLink* link, std::string description) {
  throw EncodingError(std::move(value), {CodingPathLink::pathTo(link), std::move(description)});
}

template <class T>
void requireFinite(T v, std::string_view name, const CodingPathLink* link) {
  if (std::isfinite(v)) return;
  std::string which = std::isnan(v) ? "nan" : (v > 0 ? "infinity" : "-infinity");
  throwInvalid(v, link, "Unable to encode " + std::string(name) + " " + which + " in JSON: it has no JSON form.");
}

}  // namespace

ReadStatus readSigned(const nlohmann::json& node, std::int64_t min, std::int64_t max, std::int64_t& out) {
  switch (node.type()) {
    case Type::number_integer: {
      auto v = node.get<std::int64_t>();
      if (v < min || v > max) return ReadStatus::doesNotFit;
      out = v;
      return ReadStatus::ok;
    }
    case Type::number_unsigned: {
      auto v = node.get<std::uint64_t>();
      if (v > static_cast<std::uint64_t>(max)) return ReadStatus::doesNotFit;
      out = static_cast<std::int64_t>(v);
      return ReadStatus::ok;
    }
    case Type::number_float: return ReadStatus::doesNotFit;
    default: return ReadStatus::wrongType;
  }
}

ReadStatus readUnsigned(const nlohmann::json& node, std::uint64_t max, std::uint64_t& out) {
  switch (node.type()) {
    case Type::number_integer: {
      auto v = node.get<std::int64_t>();
      if (v < 0 || static_cast<std::uint64_t>(v) > max) return ReadStatus::doesNotFit;
      out = static_cast<std::uint64_t>(v);
      return ReadStatus::ok;
    }
    case Type::number_unsigned: {
      auto v = node.get<std::uint64_t>();
      if (v > max) return ReadStatus::doesNotFit;
      out = v;
      return ReadStatus::ok;
    }
    case Type::number_float: return ReadStatus::doesNotFit;
    default: return ReadStatus::wrongType;
  }
}

ReadStatus readPrimitive(const nlohmann::json& node, bool& out) {
  if (!node.is_boolean()) return ReadStatus::wrongType;
  out = node.get<bool>();
  return ReadStatus::ok;
}

ReadStatus readPrimitive(const nlohmann::json& node, double& out) {
  if (!node.is_number()) return ReadStatus::wrongType;
  out = node.get<double>();
  return ReadStatus::ok;
}

ReadStatus readPrimitive(const nlohmann::json& node, float& out) {
  double v = 0;
  ReadStatus status = readPrimitive(node, v);
  if (status != ReadStatus::ok) return status;
  if (std::abs(v) > std::numeric_limits<float>::max()) return ReadStatus::doesNotFit;
  out = static_cast<float>(v);
  return ReadStatus::ok;
}

ReadStatus readPrimitive(const nlohmann::json& node, std::string& out) {
  if (!node.is_string()) return ReadStatus::wrongType;
  out = node.get_ref<const std::string&>();
  return ReadStatus::ok;
}

ReadStatus readPrimitive(const nlohmann::json& node, Data& out) {
  if (!node.is_string()) return ReadStatus::wrongType;
  std::optional<Data> bytes = base64Decode(node.get_ref<const std::string&>());
  if (!bytes) return ReadStatus::malformed;
  out = std::move(*bytes);
  return ReadStatus::ok;
}

ReadStatus readPrimitive(const nlohmann::json& node, Date& out) {
  double seconds = 0;
  ReadStatus status = readPrimitive(node, seconds);
  if (status != ReadStatus::ok) return status;
  if (std::abs(seconds) > maxDateSeconds) return ReadStatus::doesNotFit;
  out = Date(std::chrono::round<Date::duration>(std::chrono::duration<double>(seconds)));
  return ReadStatus::ok;
}

ReadStatus readPrimitive(const nlohmann::json& node, std::optional<URL>& out) {
  if (!node.is_string()) return ReadStatus::wrongType;
  out = URL::parse(node.get_ref<const std::string&>());
  return out ? ReadStatus::ok : ReadStatus::malformed;
}

void writePrimitive(nlohmann::ordered_json& slot, bool v, const CodingPathLink*) { slot = v; }

// A Float is written with the shortest decimal text that reads back as the
// same Float (0.1f as 0.1, not as the Double nearest to it).
void writePrimitive(nlohmann::ordered_json& slot, float v, const CodingPathLink* link) {
  requireFinite(v, "Float", link);
  char text[32];
  auto end = std::to_chars(text, text + sizeof text, v).ptr;
  *end = '\0';
  slot = std::strtod(text, nullptr);
}

void writePrimitive(nlohmann::ordered_json& slot, double v, const CodingPathLink* link) {
  requireFinite(v, "Double", link);
  slot = v;
}

void writePrimitive(nlohmann::ordered_json& slot, const std::string& v, const CodingPathLink* link) {
  if (!platform::foundation::isValidUtf8(v)) throwInvalid(v, link, "Unable to encode a String that is not UTF-8.");
  slot = v;
}

void writePrimitive(nlohmann::ordered_json& slot, const Data& v, const CodingPathLink*) { slot = base64Encode(v); }

void writePrimitive(nlohmann::ordered_json& slot, const Date& v, const CodingPathLink*) {
  slot = std::chrono::duration<double>(v.time_since_epoch()).count();
}

void writePrimitive(nlohmann::ordered_json& slot, const URL& v, const CodingPathLink* link) {
  writePrimitive(slot, v.absoluteString(), link);
}

}  // namespace zephro::coding_detail
