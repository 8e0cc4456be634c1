#include "zephro/platform/ui/gesture_recognizer.h"

namespace zephro::platform::ui {

bool GestureRecognizer::shouldBegin() {
  if (!enabled_) return false;
  auto vetoing = delegate();
  return !vetoing || vetoing->gestureRecognizerShouldBegin(*this);
}

}  // namespace zephro::platform::ui
