#include "zephro/screens/zp_error_view_controller.h"

#include "zephro/platform/ui/button.h"
#include "zephro/platform/ui/label.h"
#include "zephro/platform/ui/layout_constraint.h"
#include "zephro/platform/ui/navigation_controller.h"
#include "zephro/platform/ui/stack_view.h"

namespace zephro {

namespace ui = platform::ui;

std::shared_ptr<ZPErrorViewController> ZPErrorViewController::make(std::string message) {
  return std::shared_ptr<ZPErrorViewController>(new ZPErrorViewController(std::move(message)));
}

void ZPErrorViewController::viewDidLoad() {
  ViewController::viewDidLoad();
  std::shared_ptr<ui::View> root = view();
  root->setBackgroundColor(ui::Color::white());

  auto label = ui::Label::make(message_);
  label->setTextColor(ui::Color::black());
  auto button = ui::Button::make(ui::ButtonType::system);
  button->setTitle("退出", ui::ControlState::normal);
  button->addTarget(std::static_pointer_cast<ZPErrorViewController>(shared_from_this()),
                    &ZPErrorViewController::backAction);

  auto stack = ui::StackView::make({label, button});
  stack->setAxis(ui::StackAxis::vertical);
  stack->setSpacing(10);
  stack->setAlignment(ui::StackAlignment::center);
  root->addSubview(stack);
  stack->setTranslatesAutoresizingMaskIntoConstraints(false);
  ui::LayoutConstraint::activate(
      {ui::LayoutConstraint::centerX(stack, root), ui::LayoutConstraint::centerY(stack, root)});
}

void ZPErrorViewController::backAction() {
  auto navigation = navigationController();
  if (!navigation) {
    dismiss(true);
  } else if (navigation->viewControllers().size() < 2) {
    navigation->dismiss(true);
  } else {
    navigation->popViewController(true);
  }
}

}  // namespace zephro
