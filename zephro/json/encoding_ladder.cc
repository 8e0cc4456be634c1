// The encoding ladder: the held value's kind picks how it is written. A
// wrapper held inside a list, a map or another wrapper writes what it would
// write on its own.
#include "zephro/json/encoder.h"
#include "zephro/json/value_collections.h"
#include "zephro/json/value_rules.h"

namespace zephro::value_rules {

namespace {

[[noreturn]] void throwInvalid(std::any value, const Encoder& encoder, std::string description) {
  throw EncodingError(std::move(value), {encoder.codingPath(), std::move(description)});
}

// A number object is written by the operation of the C type its code names.
void writeNumber(const Number& number, SingleValueEncodingContainer& container, const Encoder& encoder) {
  switch (number.typeCode()) {
    case 'B': return container.encode(number.boolValue());
    case 'c': return container.encode(number.charValue());
    case 's': return container.encode(number.shortValue());
    case 'i':
    case 'l': return container.encode(number.intValue());
    case 'q': return container.encode(static_cast<long long>(number.longLongValue()));
    case 'C': return container.encode(number.unsignedCharValue());
    case 'S': return container.encode(number.unsignedShortValue());
    case 'I':
    case 'L': return container.encode(number.unsignedIntValue());
    case 'Q': return container.encode(static_cast<unsigned long long>(number.unsignedLongLongValue()));
    case 'f': return container.encode(number.floatValue());
    case 'd': return container.encode(number.doubleValue());
    default: throwInvalid(number, encoder, "NSNumber cannot be encoded because its type is not handled");
  }
}

// Writes one element of a list or map through the ladder. An AnyDecodable
// cannot encode, so as an element it fails like any unencodable value.
struct ElementWriter {
  ElementRef element;

  void encode(Encoder& encoder) const {
    if (const auto* plain = std::get_if<const std::any*>(&element)) return value_rules::encode(**plain, encoder);
    if (const auto* codable = std::get_if<const AnyCodable*>(&element)) return (*codable)->encode(encoder);
    if (const auto* encodable = std::get_if<const AnyEncodable*>(&element)) return (*encodable)->encode(encoder);
    value_rules::encode(std::any(*std::get<const AnyDecodable*>(element)), encoder);
  }
};

bool isList(ValueKind kind) {
  return kind == ValueKind::plainList || kind == ValueKind::codableList || kind == ValueKind::decodableList ||
         kind == ValueKind::encodableList;
}

bool isMap(ValueKind kind) {
  return kind == ValueKind::plainMap || kind == ValueKind::literalMap || kind == ValueKind::codableMap ||
         kind == ValueKind::decodableMap || kind == ValueKind::encodableMap;
}

void writeEncodableObject(const std::any& value, Encoder& encoder) {
  const Encodable* object = encodableObjectOf(value);
  if (!object) throwInvalid(value, encoder, "AnyEncodable value cannot be encoded");
  object->encode(encoder);
}

void writeCollection(const std::any& value, ValueKind kind, Encoder& encoder) {
  if (isList(kind)) {
    UnkeyedEncodingContainer list = encoder.unkeyedContainer();
    forEachElement(value, [&list](ElementRef element) { list.encode(ElementWriter{element}); });
    return;
  }
  // A literal map with a key that is not a string has no JSON form.
  if (isMap(kind)) {
    KeyedEncodingContainer map = encoder.container();
    auto writeEntry = [&map](const std::string& key, ElementRef element) {
      map.encodeNewKey(key, ElementWriter{element});
    };
    if (forEachEntry(value, writeEntry)) return;
  }
  throwInvalid(value, encoder, "AnyEncodable value cannot be encoded");
}

}  // namespace

void encode(const std::any& value, Encoder& encoder) {
  const CodingPathLink* link = encoder.link();
  if (link && link->depth() > maxCodingDepth) {
    throwInvalid(value, encoder, "Nesting deeper than " + std::to_string(maxCodingDepth) + " levels.");
  }
  SingleValueEncodingContainer container = encoder.singleValueContainer();
  ValueKind kind = kindOf(value);
  auto write = [&container](const auto& held) {
    container.encode(held);
    return true;
  };
  if (visitScalar(value, kind, write)) return;
  switch (kind) {
    case ValueKind::none:
    case ValueKind::null: return container.encodeNil();
    case ValueKind::number: return writeNumber(*std::any_cast<Number>(&value), container, encoder);
    case ValueKind::date: return container.encode(*std::any_cast<Date>(&value));
    case ValueKind::url: return container.encode(*std::any_cast<URL>(&value));
    case ValueKind::data: return container.encode(*std::any_cast<Data>(&value));
    case ValueKind::codable: return std::any_cast<AnyCodable>(&value)->encode(encoder);
    case ValueKind::encodable: return std::any_cast<AnyEncodable>(&value)->encode(encoder);
    case ValueKind::encodableObject: return writeEncodableObject(value, encoder);
    default: return writeCollection(value, kind, encoder);
  }
}

}  // namespace zephro::value_rules
