#include "zephro/json/coding_path.h"

#include <algorithm>

namespace zephro {

CodingKey CodingKey::index(std::size_t position) { return CodingKey{"Index " + std::to_string(position), position}; }

std::string codingPathText(const CodingPath& path) {
  std::string text;
  for (const CodingKey& key : path) {
    if (key.intValue) {
      text += "[" + std::to_string(*key.intValue) + "]";
    } else {
      if (!text.empty()) text += '.';
      text += key.stringValue;
    }
  }
  return text;
}

CodingPathLink::CodingPathLink(const CodingPathLink* parent, std::string_view key)
    : parent_(parent), key_(key), depth_(parent ? parent->depth_ + 1 : 1) {}

CodingPathLink::CodingPathLink(const CodingPathLink* parent, std::size_t index)
    : parent_(parent), index_(index), depth_(parent ? parent->depth_ + 1 : 1) {}

CodingPath CodingPathLink::pathTo(const CodingPathLink* link) {
  CodingPath path;
  for (; link; link = link->parent_) {
    path.push_back(link->index_ ? CodingKey::index(*link->index_) : CodingKey{std::string(link->key_), {}});
  }
  std::reverse(path.begin(), path.end());
  return path;
}

}  // namespace zephro
