// Navigation between page screens. A content web view refers to its page
// screen through this interface, which is always a view controller.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "zephro/json/any_codable.h"
#include "zephro/platform/ui/view_controller.h"

namespace zephro {

class H5ContentViewStack : public platform::ui::ViewController {
 public:
  // Opens a new page screen for `page` with `params`: pushed on this screen's
  // navigation controller, or presented over this screen without one.
  virtual void navigateTo(const std::string& page, std::optional<std::map<std::string, AnyCodable>> params,
                          bool animated);
  // Closes screens. Without a navigation controller this screen is dismissed.
  // 0 pops the top screen; otherwise the |count| topmost screens go in one
  // step, only when at least one screen stays (else nothing happens, as for
  // the most negative count, whose magnitude has no value).
  virtual void pop(std::int64_t count, bool animated);
};

}  // namespace zephro
