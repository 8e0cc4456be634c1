// Entry points for encoding a value as compact JSON text (no white space, no
// sorted keys: object members in the order they were written), or as a tree.
// A type with `std::optional<std::string> encodeJSONText() const` writes its
// text through it when it can (absent: through the tree); it must give what
// dumping the tree gives.
#pragma once

#include <concepts>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "zephro/json/encoder.h"

namespace zephro {

class JSONEncoder {
 public:
  // Throws EncodingError.
  template <class T>
  std::string encode(const T& value) const {
    if constexpr (requires {
                    { value.encodeJSONText() } -> std::same_as<std::optional<std::string>>;
                  }) {
      if (std::optional<std::string> text = value.encodeJSONText()) return std::move(*text);
    }
    return dump(encodeTree(value));
  }
  template <class T>
  nlohmann::ordered_json encodeTree(const T& value) const {
    nlohmann::ordered_json tree;
    coding_detail::encodeNode(tree, value, nullptr);
    return tree;
  }

  // Compact text of a tree whose strings are UTF-8 (which the encoder ensures).
  static std::string dump(const nlohmann::ordered_json& tree);
};

}  // namespace zephro
