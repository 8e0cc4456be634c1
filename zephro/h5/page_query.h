// The query text a page screen hands to its page: the entries of the nested
// object params["params"], "?k1=v1&k2=v2".
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "zephro/json/any_codable.h"

namespace zephro {

// `text` with every byte that a query component may not hold as data
// percent-encoded: controls, space, non-ASCII bytes, '"' '#' '%' '<' '>' '['
// '\' ']' '^' '`' '{' '|' '}', and the separators '&' '=' '+'. Everything else
// stays, so "id" and "3" come out unchanged.
std::string encodeQueryComponent(std::string_view text);

// Absent when `params` has no "params" entry, that entry is not a JSON object
// (a plain map) or the object is empty. Values appear as their plain text
// (texts without quotes, integers in decimal, true / false); keys and values
// are encoded with encodeQueryComponent.
std::optional<std::string> pageQueryText(const std::map<std::string, AnyCodable>& params);

}  // namespace zephro
