// Which documents the bridge serves: the ones that get the start-up globals
// and whose messages reach the scopes. The bridge cannot tell the kit's own
// pages from others; the layer that knows where pages come from fills this in
// (zephro/h5/trusted_pages.h) and hands it to the web view provider.
#pragma once

#include <optional>
#include <string>

#include "zephro/platform/foundation/url.h"
#include "zephro/platform/web/url_pattern.h"

namespace zephro {

class TrustedDocuments {
 public:
  virtual ~TrustedDocuments() = default;

  // As engine patterns, for the start-up script and the message sources.
  virtual platform::web::DocumentFilter filter() const = 0;
  // Exactly; an unknown document is untrusted.
  virtual bool isTrusted(const std::optional<URL>& document) const = 0;
};

// How debug lines name a document: its origin, a file's address without
// query, or the scheme alone ("data:", "about:").
std::string documentOriginText(const std::optional<URL>& document);

}  // namespace zephro
