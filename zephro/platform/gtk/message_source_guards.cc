#include "zephro/platform/gtk/message_source_guards.h"

#include "zephro/platform/gtk/web_extension_protocol.h"

namespace zephro::platform::gtk {
namespace {

web::UserScript guard(web::DocumentFilter documents) {
  return {web_extension_protocol::kTakeBridgeScript, web::InjectionTime::atDocumentStart, /*forMainFrameOnly=*/false,
          std::move(documents)};
}

}  // namespace

// A document is outside the sources when no allow pattern matches it, or a
// block pattern does: one guard for each half.
std::vector<web::UserScript> messageSourceGuards(const web::DocumentFilter& sources) {
  std::vector<web::UserScript> guards;
  if (!sources.allowList.empty()) guards.push_back(guard({{}, sources.allowList}));
  if (!sources.blockList.empty()) guards.push_back(guard({sources.blockList, {}}));
  return guards;
}

}  // namespace zephro::platform::gtk
