// Textual forms of held values. Scalars print as themselves ("nil" for the
// none kind, "null" for the null kind); lists and maps print their elements'
// debug forms as [1, "a"] and ["key": 1] ([:] when empty); dates in UTC as
// 2024-05-01 12:00:00 +0000; byte data as its size; anything else as its
// C++ type name in angle brackets.
#include <cxxabi.h>

#include <charconv>
#include <concepts>
#include <cmath>
#include <ctime>
#include <memory>
#include <typeinfo>

#include "zephro/json/quoted_text.h"
#include "zephro/json/value_collections.h"
#include "zephro/json/value_rules.h"

namespace zephro::value_rules {

namespace {

// Shortest text that reads back as the same value, always with a fraction or
// an exponent so that it reads as floating: 1.0, 0.1, 1e+20, nan, -inf.
template <class T>
std::string floatingText(T v) {
  if (std::isnan(v)) return "nan";
  if (std::isinf(v)) return v > 0 ? "inf" : "-inf";
  char text[64];
  std::string out(text, std::to_chars(text, text + sizeof text, v).ptr);
  if (out.find_first_of(".e") == std::string::npos) out += ".0";
  return out;
}

template <std::integral T>
std::string scalarText(T v) {
  return std::to_string(v);
}
std::string scalarText(bool v) { return v ? "true" : "false"; }
std::string scalarText(float v) { return floatingText(v); }
std::string scalarText(double v) { return floatingText(v); }
std::string scalarText(const std::string& v) { return v; }

std::string numberText(const Number& number) {
  if (number.typeCode() == 'f') return floatingText(number.floatValue());
  if (number.isFloating()) return floatingText(number.doubleValue());
  if (number.isUnsigned()) return std::to_string(number.unsignedLongLongValue());
  return std::to_string(number.longLongValue());
}

std::string dateText(const Date& date) {
  std::time_t seconds = std::chrono::system_clock::to_time_t(std::chrono::floor<std::chrono::seconds>(date));
  std::tm parts{};
  gmtime_r(&seconds, &parts);
  char text[64];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S +0000", &parts);
  return text;
}

std::string typeName(const std::type_info& type) {
  int status = 0;
  std::unique_ptr<char, decltype(&std::free)> demangled(abi::__cxa_demangle(type.name(), nullptr, nullptr, &status),
                                                        &std::free);
  return "<" + std::string(status == 0 ? demangled.get() : type.name()) + ">";
}

std::string encodableText(const std::any& value) {
  const Encodable* object = encodableObjectOf(value);
  return object ? typeName(typeid(*object)) : "nil";
}

std::string elementText(ElementRef element) {
  return std::visit(
      [](const auto* held) {
        if constexpr (std::is_same_v<decltype(held), const std::any*>) {
          return debugDescribe(*held);
        } else {
          return held->debugDescription();
        }
      },
      element);
}

std::string joined(const std::vector<std::string>& parts) {
  std::string out;
  for (const std::string& part : parts) out += (out.empty() ? "" : ", ") + part;
  return out;
}

std::optional<std::string> collectionText(const std::any& value) {
  std::vector<std::string> parts;
  if (forEachElement(value, [&parts](ElementRef element) { parts.push_back(elementText(element)); })) {
    return "[" + joined(parts) + "]";
  }
  auto entry = [&parts](const std::string& key, ElementRef element) {
    parts.push_back(quotedText(key) + ": " + elementText(element));
  };
  if (!forEachEntry(value, entry)) {
    const LiteralMap* literal = std::any_cast<LiteralMap>(&value);
    if (!literal) return std::nullopt;
    for (const auto& [key, element] : literal->entries) {
      parts.push_back(debugDescribe(key) + ": " + debugDescribe(element));
    }
  }
  return parts.empty() ? "[:]" : "[" + joined(parts) + "]";
}

}  // namespace

std::string describe(const std::any& value) {
  ValueKind kind = kindOf(value);
  if (std::optional<std::string> text = visitScalar(value, kind, [](const auto& held) { return scalarText(held); })) {
    return *text;
  }
  switch (kind) {
    case ValueKind::none: return "nil";
    case ValueKind::null: return "null";
    case ValueKind::number: return numberText(*std::any_cast<Number>(&value));
    case ValueKind::date: return dateText(*std::any_cast<Date>(&value));
    case ValueKind::url: return std::any_cast<URL>(&value)->absoluteString();
    case ValueKind::data: return std::to_string(std::any_cast<Data>(&value)->size()) + " bytes";
    case ValueKind::codable: return std::any_cast<AnyCodable>(&value)->description();
    case ValueKind::decodable: return std::any_cast<AnyDecodable>(&value)->description();
    case ValueKind::encodable: return std::any_cast<AnyEncodable>(&value)->description();
    case ValueKind::encodableObject: return encodableText(value);
    default: return collectionText(value).value_or(typeName(value.type()));
  }
}

std::string debugDescribe(const std::any& value) {
  switch (kindOf(value)) {
    case ValueKind::string: return quotedText(*std::any_cast<std::string>(&value));
    case ValueKind::codable: return std::any_cast<AnyCodable>(&value)->debugDescription();
    case ValueKind::decodable: return std::any_cast<AnyDecodable>(&value)->debugDescription();
    case ValueKind::encodable: return std::any_cast<AnyEncodable>(&value)->debugDescription();
    default: return describe(value);
  }
}

}  // namespace zephro::value_rules
