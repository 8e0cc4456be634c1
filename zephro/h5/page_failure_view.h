// What a page screen shows in place of a page that failed: a message, the
// reason in one line and a retry button, centred on white over the page area.
#pragma once

#include <memory>

#include "zephro/h5/page_failure.h"
#include "zephro/platform/ui/button.h"
#include "zephro/platform/ui/label.h"
#include "zephro/platform/ui/view.h"

namespace zephro {

class PageFailureView : public platform::ui::View {
 public:
  // The button runs `retry`.
  static std::shared_ptr<PageFailureView> make(const PageFailureTexts& texts, platform::ui::Button::Action retry);

  const std::shared_ptr<platform::ui::Label>& messageLabel() const { return message_; }
  const std::shared_ptr<platform::ui::Label>& reasonLabel() const { return reason_; }
  const std::shared_ptr<platform::ui::Button>& retryButton() const { return retry_; }

 private:
  using View::View;
  void build(const PageFailureTexts& texts, platform::ui::Button::Action retry);

  std::shared_ptr<platform::ui::Label> message_;
  std::shared_ptr<platform::ui::Label> reason_;
  std::shared_ptr<platform::ui::Button> retry_;
};

}  // namespace zephro
