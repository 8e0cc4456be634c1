#include "zephro/bridge/trusted_documents.h"

namespace zephro {

std::string documentOriginText(const std::optional<URL>& document) {
  if (!document) return "unknown";
  const std::string& text = document->absoluteString();
  if (auto origin = platform::web::originOf(text)) return *origin;
  if (document->isFileURL()) return text.substr(0, text.find_first_of("?#"));
  return document->scheme() + ":";
}

}  // namespace zephro
