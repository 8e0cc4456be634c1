#pragma once

namespace zephro::platform::ui {

// The values are fixed: hosts may store or compare them.
enum class StatusBarStyle { defaultStyle = 0, lightContent = 1, darkContent = 3 };

}  // namespace zephro::platform::ui
