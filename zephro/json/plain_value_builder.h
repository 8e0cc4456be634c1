// The decoding ladder applied to the parser's events (an nlohmann SAX
// handler): builds plain values without an intermediate tree, with the same
// values as decoding the parsed tree. Past the coding depth limit it keeps
// reading but builds nothing, and tooDeep() tells.
#pragma once

#include <any>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <nlohmann/json.hpp>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "zephro/json/coding_path.h"
#include "zephro/platform/foundation/kinds.h"

namespace zephro {

class PlainValueBuilder {
 public:
  // `depth`: the steps from the decoded document's root to the value built.
  explicit PlainValueBuilder(std::size_t depth = 0) : depth_(depth) {}

  bool null() { return add(Null{}); }
  bool boolean(bool v) { return add(v); }
  bool number_integer(std::int64_t v) { return add(v); }
  // The ladder tries Int before UInt.
  bool number_unsigned(std::uint64_t v) {
    return v <= static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) ? add(static_cast<std::int64_t>(v))
                                                                                     : add(v);
  }
  bool number_float(double v, const std::string&) { return add(v); }
  bool string(std::string& v) { return add(std::move(v)); }
  bool binary(nlohmann::json::binary_t&) { return false; }  // JSON text has none
  bool key(std::string& k) {
    key_ = std::move(k);
    return true;
  }
  bool start_object(std::size_t) { return open<PlainMap>(); }
  bool start_array(std::size_t) { return open<PlainList>(); }
  bool end_object() { return close(); }
  bool end_array() { return close(); }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) { return false; }

  bool tooDeep() const { return tooDeep_; }
  std::any& result() { return root_; }

 private:
  struct Frame {
    PlainList* list;
    PlainMap* map;
  };

  bool add(std::any value) {
    insert(std::move(value));
    return true;  // past the depth limit the rest is still checked for syntax
  }

  // Puts the value where it goes: the root, the open list, or the open map
  // under the last key. Nothing past the depth limit.
  std::any* insert(std::any value) {
    if (tooDeep_ || depth_ + stack_.size() > maxCodingDepth) {
      tooDeep_ = true;
      return nullptr;
    }
    if (stack_.empty()) return &(root_ = std::move(value));
    const Frame& top = stack_.back();
    if (top.list) return &top.list->emplace_back(std::move(value));
    return &top.map->insert_or_assign(std::move(key_), std::move(value)).first->second;
  }

  template <class Container>
  bool open() {
    std::any* slot = insert(Container());
    if (slot) {
      auto* container = std::any_cast<Container>(slot);
      if constexpr (std::is_same_v<Container, PlainList>) {
        stack_.push_back({container, nullptr});
      } else {
        stack_.push_back({nullptr, container});
      }
    } else {
      ++skippedDepth_;
    }
    return true;
  }

  bool close() {
    if (skippedDepth_ > 0) {
      --skippedDepth_;
    } else {
      stack_.pop_back();
    }
    return true;
  }

  std::size_t depth_;
  std::any root_;
  std::vector<Frame> stack_;
  std::string key_;
  std::size_t skippedDepth_ = 0;
  bool tooDeep_ = false;
};

}  // namespace zephro
