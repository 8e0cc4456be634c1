#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "zephro/platform/ui/view.h"

namespace zephro::platform::ui {

enum class ButtonType { custom, system };
enum class ControlState { normal, highlighted, disabled, selected };

// A push button that runs its actions on touch-up-inside (a click).
class Button : public View {
 public:
  using Action = std::function<void()>;

  explicit Button(ButtonType type = ButtonType::system, Rect frame = {});
  static std::shared_ptr<Button> make(ButtonType type = ButtonType::system);

  ButtonType buttonType() const { return type_; }

  // A state without its own title shows the normal one.
  void setTitle(std::optional<std::string> title, ControlState state);
  std::optional<std::string> title(ControlState state) const;
  std::optional<std::string> currentTitle() const;

  bool isEnabled() const { return enabled_; }
  void setEnabled(bool enabled);

  void addTarget(Action action);
  // Calls `action` on `target` while the target lives; the button does not
  // keep it alive (a screen owns its buttons, not the other way round).
  template <typename Target>
  void addTarget(const std::shared_ptr<Target>& target, void (Target::*action)()) {
    std::weak_ptr<Target> weakTarget = target;
    addTarget([weakTarget, action] {
      if (auto held = weakTarget.lock()) ((*held).*action)();
    });
  }
  // Runs every action, in the order added.
  void sendActions();
  // A click: sends the actions unless the button is disabled or hidden.
  void tap();

  Size intrinsicContentSize() const override;

 private:
  ButtonType type_;
  std::map<ControlState, std::string> titles_;
  bool enabled_ = true;
  std::vector<Action> actions_;
};

}  // namespace zephro::platform::ui
