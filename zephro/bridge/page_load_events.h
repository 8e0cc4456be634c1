// The page screen hears of its web view's failed loads and ended web process
// through the provider, which is every content web view's navigation delegate.
#pragma once

#include "zephro/platform/web/web_error.h"

namespace zephro {

// What a page screen derives from (besides H5ContentViewStack) so that the
// provider passes it the load events of the web view it shows.
class PageLoadEvents {
 public:
  virtual ~PageLoadEvents() = default;
  virtual void pageLoadDidFail(const platform::web::WebError& error) = 0;
  virtual void pageProcessDidTerminate() = 0;
};

}  // namespace zephro
