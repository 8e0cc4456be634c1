// Entry points for decoding JSON text (or an already parsed tree) into a
// Decodable type, a primitive, or a list or map of them. A type with
// `static T decodeJSONText(std::string_view)` decodes text through it (the
// JSON values do, skipping the tree); it must give what decoding the parsed
// tree gives.
#pragma once

#include <concepts>
#include <nlohmann/json.hpp>
#include <string_view>

#include "zephro/json/decoder.h"

namespace zephro {

class JSONDecoder {
 public:
  // Throws DecodingError: data corrupted when `text` is not one JSON value
  // (or not UTF-8), otherwise whatever decoding T raises.
  template <class T>
  T decode(std::string_view text) const {
    if constexpr (requires {
                    { T::decodeJSONText(text) } -> std::same_as<T>;
                  }) {
      return T::decodeJSONText(text);
    } else {
      return decodeTree<T>(parse(text));
    }
  }
  template <class T>
  T decodeTree(const nlohmann::json& tree) const {
    return coding_detail::decodeNode<T>(tree, nullptr);
  }

  // Parses JSON text; throws DecodingError (data corrupted) when it is not.
  static nlohmann::json parse(std::string_view text);
};

}  // namespace zephro
