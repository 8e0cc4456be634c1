#pragma once

#include <string>

#include "zephro/platform/web/url_pattern.h"

namespace zephro::platform::web {

// When a user script runs relative to the page's own scripts.
enum class InjectionTime {
  atDocumentStart,  // after the document element exists, before any page script
  atDocumentEnd,    // once the document has been parsed, before subresources finish
};

// A script the engine runs in the pages it loads, in the order added: in
// every document `documents` matches (all, by default).
struct UserScript {
  std::string source;
  InjectionTime injectionTime = InjectionTime::atDocumentStart;
  bool forMainFrameOnly = true;
  DocumentFilter documents;

  bool operator==(const UserScript&) const = default;
};

}  // namespace zephro::platform::web
