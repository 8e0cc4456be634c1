#include "zephro/json/unicode_text.h"

#include <unicode/bytestream.h>
#include <unicode/normalizer2.h>
#include <unicode/stringpiece.h>

#include <algorithm>
#include <cstdint>

#include "zephro/platform/foundation/utf8.h"

namespace zephro {

namespace {

bool isAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

const icu::Normalizer2* composedForm() {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* normalizer = icu::Normalizer2::getNFCInstance(status);
  return U_SUCCESS(status) ? normalizer : nullptr;
}

}  // namespace

std::optional<std::string> canonicalFormIfDifferent(std::string_view text) {
  // ASCII is its own composed form, and the common case.
  if (text.size() > INT32_MAX || isAscii(text) || !platform::foundation::isValidUtf8(text)) return std::nullopt;
  static const icu::Normalizer2* normalizer = composedForm();
  if (!normalizer) return std::nullopt;
  icu::StringPiece piece(text.data(), static_cast<std::int32_t>(text.size()));
  UErrorCode status = U_ZERO_ERROR;
  if (normalizer->isNormalizedUTF8(piece, status) || U_FAILURE(status)) return std::nullopt;
  std::string composed;
  icu::StringByteSink<std::string> sink(&composed, static_cast<std::int32_t>(text.size()));
  normalizer->normalizeUTF8(0, piece, sink, nullptr, status);
  if (U_FAILURE(status)) return std::nullopt;
  return composed;
}

bool canonicallyEqual(std::string_view a, std::string_view b) {
  if (a == b) return true;
  std::optional<std::string> composedA = canonicalFormIfDifferent(a);
  std::optional<std::string> composedB = canonicalFormIfDifferent(b);
  if (!composedA && !composedB) return false;
  return (composedA ? std::string_view(*composedA) : a) == (composedB ? std::string_view(*composedB) : b);
}

}  // namespace zephro
