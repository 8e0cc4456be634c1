// The decoding ladder: the first read that succeeds decides, so a JSON true
// is a Bool and never an integer, 1 is an Int, 2^63 a UInt, 2^64 and 1.5 a
// Double. Lists and maps hold the plain values of their elements.
#include "zephro/json/decoder.h"
#include "zephro/json/value_rules.h"

namespace zephro::value_rules {

namespace {

std::optional<PlainList> decodeList(const Decoder& decoder) {
  const nlohmann::json& tree = decoder.tree();
  if (!tree.is_array()) return std::nullopt;
  PlainList list;
  list.reserve(tree.size());
  try {
    for (const nlohmann::json& element : tree) {
      CodingPathLink step(decoder.link(), list.size());
      list.push_back(decode(Decoder(element, &step)));
    }
  } catch (const DecodingError&) {
    return std::nullopt;
  }
  return list;
}

std::optional<PlainMap> decodeMap(const Decoder& decoder) {
  const nlohmann::json& tree = decoder.tree();
  if (!tree.is_object()) return std::nullopt;
  PlainMap map;
  try {
    for (const auto& [key, member] : tree.get_ref<const nlohmann::json::object_t&>()) {
      CodingPathLink step(decoder.link(), key);
      map.emplace_hint(map.end(), key, decode(Decoder(member, &step)));
    }
  } catch (const DecodingError&) {
    return std::nullopt;
  }
  return map;
}

}  // namespace

std::any decode(const Decoder& decoder) {
  SingleValueDecodingContainer container = decoder.singleValueContainer();
  if (container.decodeNil()) return Null{};
  if (auto v = container.decodeIfMatches<bool>()) return *v;
  if (auto v = container.decodeIfMatches<std::int64_t>()) return *v;
  if (auto v = container.decodeIfMatches<std::uint64_t>()) return *v;
  if (auto v = container.decodeIfMatches<double>()) return *v;
  if (auto v = container.decodeIfMatches<std::string>()) return std::move(*v);
  if (auto list = decodeList(decoder)) return std::move(*list);
  if (auto map = decodeMap(decoder)) return std::move(*map);
  throw DecodingError::dataCorrupted(container.codingPath(), "AnyDecodable value cannot be decoded");
}

}  // namespace zephro::value_rules
