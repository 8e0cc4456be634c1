#pragma once

namespace zephro::platform::web {

// Would supply native user interface for a page (alerts, confirmations,
// prompts, new windows). It offers none, so the engine's defaults apply:
// such requests get no native user interface.
class UIDelegate {
 public:
  virtual ~UIDelegate() = default;
};

}  // namespace zephro::platform::web
