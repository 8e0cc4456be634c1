#pragma once

#include "zephro/platform/web/script_message.h"

namespace zephro::platform::web {

class UserContentController;

// Receives the messages pages post under the name it was registered with.
class ScriptMessageHandler {
 public:
  virtual ~ScriptMessageHandler() = default;
  virtual void didReceiveScriptMessage(UserContentController& controller,
                                       const ScriptMessage& message) = 0;
};

}  // namespace zephro::platform::web
