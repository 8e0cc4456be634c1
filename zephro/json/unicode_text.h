// Unicode canonical equivalence of UTF-8 text, for string equality and
// hashing: "é" written precomposed and as "e" + combining acute are the
// same string. Text that is not UTF-8 is compared byte by byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zephro {

bool canonicallyEqual(std::string_view a, std::string_view b);
// The composed (NFC) form of `text`, or nothing when `text` is already in it
// (or is not UTF-8): equivalent texts have the same canonical form.
std::optional<std::string> canonicalFormIfDifferent(std::string_view text);

}  // namespace zephro
