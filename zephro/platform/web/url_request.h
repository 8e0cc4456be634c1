#pragma once

#include <optional>

#include "zephro/platform/foundation/url.h"

namespace zephro::platform::web {

// How a load may use cached responses; the values are the platform's.
enum class CachePolicy {
  useProtocolCachePolicy = 0,  // the protocol's own caching rules
  reloadIgnoringLocalCacheData = 1,
  returnCacheDataElseLoad = 2,
  returnCacheDataDontLoad = 3,
};

// A request to load a resource. The URL is optional because engines may hand
// a scheme handler a request whose address did not parse.
struct URLRequest {
  std::optional<URL> url;
  CachePolicy cachePolicy = CachePolicy::useProtocolCachePolicy;
  // Seconds the load may take before it fails.
  double timeoutInterval = 60;
};

}  // namespace zephro::platform::web
