// The rules the JSON value wrappers apply to their held value (a std::any).
// Each lives in its own source file: value_equality.cc, value_hashing.cc,
// value_description.cc, decoding_ladder.cc, plain_value_reader.cc,
// encoding_ladder.cc, plain_value_writer.cc, literal_map_rules.cc.
#pragma once

#include <any>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "zephro/json/hasher.h"
#include "zephro/json/literal_map.h"
#include "zephro/json/wrapper_type.h"

namespace zephro {

class Decoder;
class Encoder;

namespace value_rules {

// Equality as seen by wrappers of type `self`.
bool equal(const std::any& a, const std::any& b, WrapperType self);
// Feeds `value` into `hasher`; values equal for `self` are fed alike.
void hash(const std::any& value, Hasher& hasher, WrapperType self);
// The textual form, and the debug form (strings quoted and escaped).
std::string describe(const std::any& value);
std::string debugDescribe(const std::any& value);
// The decoding ladder: Null, Bool, Int, UInt, Double, String, then a plain
// list or plain map of values decoded by this same ladder.
std::any decode(const Decoder& decoder);
// The decoding ladder on JSON text, straight from the parser's events: the
// same value, or the same error, as decode() on the parsed tree.
std::any decodeText(std::string_view text);
// The encoding ladder.
void encode(const std::any& value, Encoder& encoder);
// The ladder's text for `value` at `depth` steps below the root, written
// without a tree, for the kinds written so (see plain_value_writer.cc);
// absent for the others.
std::optional<std::string> encodeText(const std::any& value, std::size_t depth);
// A dictionary literal, dropping later entries whose key equals an earlier
// one by the equality of `self`.
LiteralMap literalMap(std::vector<std::pair<std::any, std::any>> entries, WrapperType self);

}  // namespace value_rules
}  // namespace zephro
