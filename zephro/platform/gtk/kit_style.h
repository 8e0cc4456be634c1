#pragma once

namespace zephro::platform::gtk {

// The style class that strips a GTK button to its content: no padding, frame,
// background or minimum size, so that it fills exactly the frame the model
// gives it, as the kit's plain text and icon buttons expect.
inline constexpr const char* kBareButtonClass = "zephro-bare";

// Adds the kit's style sheet to the default display, once.
void installKitStyle();

}  // namespace zephro::platform::gtk
