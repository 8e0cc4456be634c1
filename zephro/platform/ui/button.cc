#include "zephro/platform/ui/button.h"

#include <utility>

#include "zephro/platform/ui/label.h"
#include "zephro/platform/ui/renderer.h"
#include "zephro/platform/ui/text_metrics.h"

namespace zephro::platform::ui {

namespace {
constexpr double horizontalPadding = 8;
constexpr double verticalPadding = 6;
}  // namespace

Button::Button(ButtonType type, Rect frame) : View(frame), type_(type) {}

std::shared_ptr<Button> Button::make(ButtonType type) { return std::make_shared<Button>(type); }

void Button::setTitle(std::optional<std::string> title, ControlState state) {
  if (title) {
    titles_[state] = std::move(*title);
  } else {
    titles_.erase(state);
  }
  contentChanged();
  invalidateIntrinsicContentSize();
}

std::optional<std::string> Button::title(ControlState state) const {
  auto found = titles_.find(state);
  if (found == titles_.end()) found = titles_.find(ControlState::normal);
  if (found == titles_.end()) return std::nullopt;
  return found->second;
}

std::optional<std::string> Button::currentTitle() const {
  return title(enabled_ ? ControlState::normal : ControlState::disabled);
}

void Button::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  contentChanged();
}

void Button::addTarget(Action action) {
  if (action) actions_.push_back(std::move(action));
}

void Button::sendActions() {
  auto self = weak_from_this().lock();  // an action may release the button
  const auto actions = actions_;        // and may add further actions
  for (const auto& action : actions) action();
}

void Button::tap() {
  if (enabled_ && !isHidden()) sendActions();
}

Size Button::intrinsicContentSize() const {
  if (const auto& peer = existingPeer()) {
    if (auto measured = peer->measureContent({-1, -1})) return *measured;
  }
  const Size text = estimateTextSize(currentTitle().value_or(""), Label::defaultFontSize);
  return {text.width + 2 * horizontalPadding, text.height + 2 * verticalPadding};
}

}  // namespace zephro::platform::ui
