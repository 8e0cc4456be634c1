// The one way JSON text is read anywhere in the kit: the parser's events, fed
// to a handler, for text that is exactly one JSON value. Every reader (plain
// values, the coding layer's tree and values) goes through here, so what one
// accepts the others accept too.
#pragma once

#include <cstddef>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace zephro::platform::foundation {

// `text` with every escape of an unpaired UTF-16 surrogate ("\ud800" alone,
// as a page's JSON.stringify writes half of a pair) turned into "\ufffd";
// absent when there is none, which is the common case.
std::optional<std::string> withLoneSurrogatesReplaced(std::string_view text);

// Feeds `handler` (an nlohmann SAX handler) the events of `text`. False when
// `text` is not one JSON value with only white space around it, or when the
// handler stops. The parser takes a NUL byte for the end of its input, which
// would let a reader see only the part before it; JSON text never holds one.
template <class Handler>
bool readJsonEvents(std::string_view text, Handler& handler) {
  if (text.find('\0') != std::string_view::npos) return false;
  std::optional<std::string> repaired = withLoneSurrogatesReplaced(text);
  std::string_view input = repaired ? std::string_view(*repaired) : text;
  try {
    return nlohmann::json::sax_parse(input.begin(), input.end(), &handler);
  } catch (const nlohmann::json::exception&) {
    return false;
  }
}

}  // namespace zephro::platform::foundation
