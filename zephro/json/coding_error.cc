#include "zephro/json/coding_error.h"

#include <utility>

namespace zephro {

namespace {

std::string describe(const CodingErrorContext& context) {
  std::string text = context.debugDescription;
  std::string path = codingPathText(context.codingPath);
  if (!path.empty()) text += " (at " + path + ")";
  return text;
}

}  // namespace

DecodingError::DecodingError(Kind kind, CodingErrorContext context)
    : kind_(kind), context_(std::move(context)), what_(describe(context_)) {}

DecodingError DecodingError::dataCorrupted(CodingPath path, std::string debugDescription) {
  return DecodingError(Kind::dataCorrupted, {std::move(path), std::move(debugDescription)});
}

EncodingError::EncodingError(std::any value, CodingErrorContext context)
    : value_(std::move(value)), context_(std::move(context)), what_(describe(context_)) {}

}  // namespace zephro
