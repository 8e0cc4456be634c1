#include "zephro/json/value_kind.h"

#include <memory>
#include <typeinfo>
#include <utility>

#include "zephro/json/any_codable.h"

namespace zephro {

namespace {

using Entry = std::pair<const std::type_info*, ValueKind>;

// Most frequent kinds first: a lookup stops at the first match.
const Entry kinds[] = {
    {&typeid(std::string), ValueKind::string},
    {&typeid(std::int64_t), ValueKind::int64},
    {&typeid(PlainMap), ValueKind::plainMap},
    {&typeid(PlainList), ValueKind::plainList},
    {&typeid(bool), ValueKind::boolean},
    {&typeid(double), ValueKind::float64},
    {&typeid(Null), ValueKind::null},
    {&typeid(void), ValueKind::none},
    {&typeid(std::uint64_t), ValueKind::uint64},
    {&typeid(AnyCodable), ValueKind::codable},
    {&typeid(std::vector<AnyCodable>), ValueKind::codableList},
    {&typeid(std::map<std::string, AnyCodable>), ValueKind::codableMap},
    {&typeid(Number), ValueKind::number},
    {&typeid(std::int8_t), ValueKind::int8},
    {&typeid(std::int16_t), ValueKind::int16},
    {&typeid(std::int32_t), ValueKind::int32},
    {&typeid(long long), ValueKind::longLong},
    {&typeid(std::uint8_t), ValueKind::uint8},
    {&typeid(std::uint16_t), ValueKind::uint16},
    {&typeid(std::uint32_t), ValueKind::uint32},
    {&typeid(unsigned long long), ValueKind::ulongLong},
    {&typeid(float), ValueKind::float32},
    {&typeid(Date), ValueKind::date},
    {&typeid(URL), ValueKind::url},
    {&typeid(Data), ValueKind::data},
    {&typeid(LiteralMap), ValueKind::literalMap},
    {&typeid(std::vector<AnyDecodable>), ValueKind::decodableList},
    {&typeid(std::vector<AnyEncodable>), ValueKind::encodableList},
    {&typeid(std::map<std::string, AnyDecodable>), ValueKind::decodableMap},
    {&typeid(std::map<std::string, AnyEncodable>), ValueKind::encodableMap},
    {&typeid(AnyDecodable), ValueKind::decodable},
    {&typeid(AnyEncodable), ValueKind::encodable},
    {&typeid(std::shared_ptr<const Encodable>), ValueKind::encodableObject},
    {&typeid(std::shared_ptr<Encodable>), ValueKind::encodableObject},
};

}  // namespace

const Encodable* encodableObjectOf(const std::any& value) {
  if (const auto* shared = std::any_cast<std::shared_ptr<const Encodable>>(&value)) return shared->get();
  if (const auto* shared = std::any_cast<std::shared_ptr<Encodable>>(&value)) return shared->get();
  return nullptr;
}

ValueKind kindOf(const std::any& value) {
  const std::type_info& type = value.type();
  // Type information is normally unique, so comparing addresses settles most
  // lookups; the full comparison covers copies made by other shared objects.
  for (const auto& [info, kind] : kinds) {
    if (info == &type) return kind;
  }
  for (const auto& [info, kind] : kinds) {
    if (*info == type) return kind;
  }
  return ValueKind::other;
}

}  // namespace zephro
