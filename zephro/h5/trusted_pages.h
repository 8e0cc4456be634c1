// Which documents are the kit's own pages, the only ones that get the
// start-up globals and the bridge: files under the page bundle directory,
// pages of the debug host while debug mode is on, and pages of the origins
// the host trusts (H5Manager::addTrustedOrigin). Everything else, the web
// sites pages link to, frames of other origins, data:, blob: and about:
// documents at the top, and files outside the bundle, is untrusted: it still
// loads and works as a web page, without either. Read from H5Manager::shared()
// at each call. H5Manager hands trustedPages() to the web view provider.
#pragma once

#include <memory>
#include <optional>

#include "zephro/bridge/trusted_documents.h"
#include "zephro/platform/foundation/url.h"
#include "zephro/platform/web/url_pattern.h"

namespace zephro {

// As engine patterns. They cannot tell ports apart, so a trusted host's
// other ports match as well: the engine's user scripts cannot do better.
platform::web::DocumentFilter trustedPageFilter();

// Exactly, ports compared. An unknown document is untrusted.
bool isTrustedPage(const std::optional<URL>& document);

// The two above, for the bridge.
std::shared_ptr<TrustedDocuments> trustedPages();

}  // namespace zephro
