// The host's scope "lights": one dimmer level from 0 to 10 that pages set and
// read. {"level": n} answers every valid call; a level out of range answers
// success false; other methods are not answered.
#pragma once

#include <cstdint>

#include "zephro/bridge/jsb_implement.h"

class LightsScope : public zephro::JSBImplement {
 public:
  // "setLevel" ({"level": integer 0...10}), "getLevel".
  void handle(const zephro::JSBInvocation& invocation, zephro::JSBCallback callback) override;

 private:
  std::int64_t level_ = 0;
};
