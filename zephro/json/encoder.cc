#include "zephro/json/encoder.h"

#include "zephro/json/coding_error.h"
#include "zephro/platform/foundation/utf8.h"

namespace zephro {

namespace {

nlohmann::ordered_json& asObject(nlohmann::ordered_json& slot) {
  if (!slot.is_object()) slot = nlohmann::ordered_json::object();
  return slot;
}

nlohmann::ordered_json& asArray(nlohmann::ordered_json& slot) {
  if (!slot.is_array()) slot = nlohmann::ordered_json::array();
  return slot;
}

// A key is written as JSON text is: it must be UTF-8 too.
std::string utf8Key(std::string_view key, const CodingPathLink* link) {
  if (!platform::foundation::isValidUtf8(key)) {
    throw EncodingError(std::string(key), {CodingPathLink::pathTo(link), "Unable to encode a key that is not UTF-8."});
  }
  return std::string(key);
}

}  // namespace

KeyedEncodingContainer::KeyedEncodingContainer(nlohmann::ordered_json& slot, const CodingPathLink* link)
    : link_(link), object_(&asObject(slot)) {}

KeyedEncodingContainer::KeyedEncodingContainer(nlohmann::ordered_json& slot, const CodingPathLink* parent,
                                               std::string_view key)
    : ownStep_(std::in_place, parent, key), link_(ownStep_->link()), object_(&asObject(slot)) {}

KeyedEncodingContainer::KeyedEncodingContainer(nlohmann::ordered_json& slot, const CodingPathLink* parent,
                                               std::size_t index)
    : ownStep_(std::in_place, parent, index), link_(ownStep_->link()), object_(&asObject(slot)) {}

nlohmann::ordered_json& KeyedEncodingContainer::member(std::string_view key) {
  return (*object_)[utf8Key(key, link_)];
}

nlohmann::ordered_json& KeyedEncodingContainer::appendMember(std::string_view key) {
  auto& members = object_->get_ref<nlohmann::ordered_json::object_t&>();
  return members.Container::emplace_back(utf8Key(key, link_), nullptr).second;
}

KeyedEncodingContainer KeyedEncodingContainer::nestedContainer(std::string_view key) {
  return {member(key), link_, key};
}

UnkeyedEncodingContainer KeyedEncodingContainer::nestedUnkeyedContainer(std::string_view key) {
  return {member(key), link_, key};
}

UnkeyedEncodingContainer::UnkeyedEncodingContainer(nlohmann::ordered_json& slot, const CodingPathLink* link)
    : link_(link), array_(&asArray(slot)) {}

UnkeyedEncodingContainer::UnkeyedEncodingContainer(nlohmann::ordered_json& slot, const CodingPathLink* parent,
                                                   std::string_view key)
    : ownStep_(std::in_place, parent, key), link_(ownStep_->link()), array_(&asArray(slot)) {}

UnkeyedEncodingContainer::UnkeyedEncodingContainer(nlohmann::ordered_json& slot, const CodingPathLink* parent,
                                                   std::size_t index)
    : ownStep_(std::in_place, parent, index), link_(ownStep_->link()), array_(&asArray(slot)) {}

KeyedEncodingContainer UnkeyedEncodingContainer::nestedContainer() {
  std::size_t index = count();
  return {array_->emplace_back(), link_, index};
}

UnkeyedEncodingContainer UnkeyedEncodingContainer::nestedUnkeyedContainer() {
  std::size_t index = count();
  return {array_->emplace_back(), link_, index};
}

}  // namespace zephro
