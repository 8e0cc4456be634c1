// Why a page screen shows its failure view instead of its page, and the texts
// that view shows.
#pragma once

#include <string>

#include "zephro/platform/web/web_error.h"

namespace zephro {

struct PageFailure {
  enum class Cause { loadFailed, timedOut, pageMissing, processEnded };

  // The engine's own words when a load failed; the page name when it is missing.
  static PageFailure of(const platform::web::WebError& error);

  Cause cause = Cause::loadFailed;
  std::string detail;
};

struct PageFailureTexts {
  std::string message;
  // One line, short enough for the narrowest screen.
  std::string reason;
  std::string retry;
};

// The texts in the cloud configuration's `language`: Chinese for "zh" (with
// or without a region or script) and when none is set, English otherwise.
PageFailureTexts pageFailureTexts(const PageFailure& failure, const std::string& language);

}  // namespace zephro
