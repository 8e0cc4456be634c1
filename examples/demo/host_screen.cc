#include "host_screen.h"

#include "zephro/platform/ui/button.h"
#include "zephro/platform/ui/label.h"
#include "zephro/platform/ui/layout_constraint.h"
#include "zephro/platform/ui/navigation_controller.h"
#include "zephro/platform/ui/stack_view.h"
#include "zephro/sdk/zephro_sdk4_tolmar_runner.h"

namespace zephro::demo {

namespace ui = platform::ui;

std::shared_ptr<HostScreen> HostScreen::make() { return std::make_shared<HostScreen>(); }

void HostScreen::viewDidLoad() {
  view()->setBackgroundColor(ui::Color::white());
  navigationItem().backButtonTitle = "宿主";

  auto title = ui::Label::make("ZephroSdk4Tolmar 演示宿主");
  title->setTextColor(ui::Color::black());
  auto open = ui::Button::make();
  open->setTitle("打开智家", ui::ControlState::normal);
  std::weak_ptr<HostScreen> weak = std::static_pointer_cast<HostScreen>(shared_from_this());
  open->addTarget([weak] {
    if (auto self = weak.lock()) self->openKit();
  });

  auto stack = ui::StackView::make({title, open});
  stack->setAxis(ui::StackAxis::vertical);
  stack->setSpacing(16);
  stack->setAlignment(ui::StackAlignment::center);
  stack->setTranslatesAutoresizingMaskIntoConstraints(false);
  view()->addSubview(stack);
  ui::LayoutConstraint::activate({ui::LayoutConstraint::centerX(stack, view()),
                                  ui::LayoutConstraint::centerY(stack, view())});
}

void HostScreen::viewWillAppear(bool animated) {
  ViewController::viewWillAppear(animated);
  if (auto navigation = navigationController()) navigation->setNavigationBarHidden(true);
}

void HostScreen::openKit() { ZephroSdk4TolmarRunner::openSdkHome(*this); }

}  // namespace zephro::demo
