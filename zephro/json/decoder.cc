#include "zephro/json/decoder.h"

namespace zephro {

namespace coding_detail {

namespace {

std::string foundText(const nlohmann::json& node) {
  switch (node.type()) {
    case nlohmann::json::value_t::null: return "null";
    case nlohmann::json::value_t::boolean: return "a boolean";
    case nlohmann::json::value_t::string: return "a string";
    case nlohmann::json::value_t::array: return "an array";
    case nlohmann::json::value_t::object: return "a dictionary";
    default: return "a number";
  }
}

std::string malformedText(std::string_view expected) {
  if (expected == "Data") return "Encountered Data is not valid Base64.";
  return "Invalid " + std::string(expected) + " string.";
}

[[noreturn]] void throwError(DecodingError::Kind kind, const CodingPathLink* link, std::string text) {
  throw DecodingError(kind, {CodingPathLink::pathTo(link), std::move(text)});
}

}  // namespace

void throwReadFailure(ReadStatus status, const nlohmann::json& node, std::string_view expected,
                      const CodingPathLink* link) {
  using Kind = DecodingError::Kind;
  std::string name(expected);
  if (status == ReadStatus::doesNotFit) {
    throwError(Kind::dataCorrupted, link, "Parsed JSON number <" + node.dump() + "> does not fit in " + name + ".");
  }
  if (status == ReadStatus::malformed) throwError(Kind::dataCorrupted, link, malformedText(expected));
  if (node.is_null()) throwError(Kind::valueNotFound, link, "Expected " + name + " value but found null instead.");
  throwError(Kind::typeMismatch, link, "Expected to decode " + name + " but found " + foundText(node) + " instead.");
}

void throwKeyNotFound(std::string_view key, const CodingPathLink* link) {
  throwError(DecodingError::Kind::keyNotFound, link, "No value associated with key \"" + std::string(key) + "\".");
}

void throwAtEnd(const CodingPathLink* link) {
  throwError(DecodingError::Kind::valueNotFound, link, "Unkeyed container is at end.");
}

const nlohmann::json::array_t& arrayOf(const nlohmann::json& node, const CodingPathLink* link) {
  if (!node.is_array()) throwReadFailure(ReadStatus::wrongType, node, "Array", link);
  return node.get_ref<const nlohmann::json::array_t&>();
}

const nlohmann::json::object_t& objectOf(const nlohmann::json& node, const CodingPathLink* link) {
  if (!node.is_object()) throwReadFailure(ReadStatus::wrongType, node, "Dictionary", link);
  return node.get_ref<const nlohmann::json::object_t&>();
}

}  // namespace coding_detail

Decoder::Decoder(const nlohmann::json& node, const CodingPathLink* link) : node_(&node), link_(link) {
  if (link && link->depth() > maxCodingDepth) {
    throw DecodingError::dataCorrupted(CodingPathLink::pathTo(link),
                                       "Nesting deeper than " + std::to_string(maxCodingDepth) + " levels.");
  }
}

KeyedDecodingContainer::KeyedDecodingContainer(const nlohmann::json& node, const CodingPathLink* link)
    : link_(link), object_(&coding_detail::objectOf(node, link)) {}

KeyedDecodingContainer::KeyedDecodingContainer(const nlohmann::json& node, const CodingPathLink* parent,
                                               std::string_view key)
    : ownStep_(std::in_place, parent, key), link_(ownStep_->link()), object_(&coding_detail::objectOf(node, link_)) {}

KeyedDecodingContainer::KeyedDecodingContainer(const nlohmann::json& node, const CodingPathLink* parent,
                                               std::size_t index)
    : ownStep_(std::in_place, parent, index), link_(ownStep_->link()), object_(&coding_detail::objectOf(node, link_)) {}

std::vector<std::string> KeyedDecodingContainer::allKeys() const {
  std::vector<std::string> keys;
  keys.reserve(object_->size());
  for (const auto& member : *object_) keys.push_back(member.first);
  return keys;
}

const nlohmann::json* KeyedDecodingContainer::find(std::string_view key) const {
  auto found = object_->find(key);
  return found == object_->end() ? nullptr : &found->second;
}

const nlohmann::json& KeyedDecodingContainer::require(std::string_view key) const {
  const nlohmann::json* member = find(key);
  if (!member) coding_detail::throwKeyNotFound(key, link_);
  return *member;
}

bool KeyedDecodingContainer::decodeNil(std::string_view key) const { return require(key).is_null(); }

KeyedDecodingContainer KeyedDecodingContainer::nestedContainer(std::string_view key) const {
  return {require(key), link_, key};
}

UnkeyedDecodingContainer KeyedDecodingContainer::nestedUnkeyedContainer(std::string_view key) const {
  return {require(key), link_, key};
}

UnkeyedDecodingContainer::UnkeyedDecodingContainer(const nlohmann::json& node, const CodingPathLink* link)
    : link_(link), array_(&coding_detail::arrayOf(node, link)) {}

UnkeyedDecodingContainer::UnkeyedDecodingContainer(const nlohmann::json& node, const CodingPathLink* parent,
                                                   std::string_view key)
    : ownStep_(std::in_place, parent, key), link_(ownStep_->link()), array_(&coding_detail::arrayOf(node, link_)) {}

UnkeyedDecodingContainer::UnkeyedDecodingContainer(const nlohmann::json& node, const CodingPathLink* parent,
                                                   std::size_t index)
    : ownStep_(std::in_place, parent, index), link_(ownStep_->link()), array_(&coding_detail::arrayOf(node, link_)) {}

const nlohmann::json& UnkeyedDecodingContainer::current() {
  if (isAtEnd()) coding_detail::throwAtEnd(link_);
  return (*array_)[currentIndex_];
}

bool UnkeyedDecodingContainer::decodeNil() {
  if (!current().is_null()) return false;
  ++currentIndex_;
  return true;
}

KeyedDecodingContainer UnkeyedDecodingContainer::nestedContainer() {
  const nlohmann::json& element = current();
  ++currentIndex_;
  return {element, link_, currentIndex_ - 1};
}

UnkeyedDecodingContainer UnkeyedDecodingContainer::nestedUnkeyedContainer() {
  const nlohmann::json& element = current();
  ++currentIndex_;
  return {element, link_, currentIndex_ - 1};
}

}  // namespace zephro
