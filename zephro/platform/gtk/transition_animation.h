#pragma once

#include <functional>

#include "zephro/platform/ui/renderer.h"

namespace zephro::platform::gtk {

// Slides the views of a navigation change: a push brings the new screen in
// from the right over the old one, a pop takes the top screen out to the
// right; a presentation rises from the bottom and a dismissal sinks. `done`
// runs exactly once on the main queue afterwards, at once when nothing is on
// screen to animate. The model has already stacked the views as they must
// overlap.
void animateTransition(const ui::Transition& transition, std::function<void()> done);

}  // namespace zephro::platform::gtk
