// Address patterns in the form the web engine takes for user scripts, and
// the allow/block pair that picks the documents something applies to.
//
// A pattern is "scheme://host/path". The scheme is a name (any case) or "*",
// which stands for http and https. The host is a name, "*" for any host, or
// "*.name" for that name and every name below it; hosts compare without case
// and without the port: the engine's patterns carry none, so a pattern host
// with a port matches nothing and documents on every port of a host match
// alike. "file:///path" patterns have no host. The path compares with the
// document's path alone (query and fragment aside), as written and with case;
// "*" in it stands for any run of characters. A text of another form is no
// pattern and matches nothing.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zephro::platform::web {

bool matchesURLPattern(std::string_view pattern, std::string_view url);

// "scheme://host:port" of an address with a host, lower-cased, with the
// scheme's default port when none is written (http 80, https 443); absent
// for addresses without one (file, data, about, blob).
std::optional<std::string> originOf(std::string_view url);

// The documents whose address matches a pattern of `allowList` (or any
// address, when the list is empty) and no pattern of `blockList`.
struct DocumentFilter {
  std::vector<std::string> allowList;
  std::vector<std::string> blockList;

  bool matches(std::string_view url) const;
  bool operator==(const DocumentFilter&) const = default;
};

}  // namespace zephro::platform::web
