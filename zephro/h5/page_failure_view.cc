#include "zephro/h5/page_failure_view.h"

#include <utility>

#include "zephro/platform/ui/layout_constraint.h"
#include "zephro/platform/ui/stack_view.h"

namespace zephro {

namespace {

namespace ui = platform::ui;

constexpr double kReasonFontSize = 13;
constexpr double kSpacing = 10;

}  // namespace

std::shared_ptr<PageFailureView> PageFailureView::make(const PageFailureTexts& texts, ui::Button::Action retry) {
  std::shared_ptr<PageFailureView> view(new PageFailureView);
  view->build(texts, std::move(retry));
  return view;
}

void PageFailureView::build(const PageFailureTexts& texts, ui::Button::Action retry) {
  setBackgroundColor(ui::Color::white());
  message_ = ui::Label::make(texts.message);
  reason_ = ui::Label::make(texts.reason);
  reason_->setFontSize(kReasonFontSize);
  reason_->setTextColor(ui::Color::rgb255(102, 102, 102));
  retry_ = ui::Button::make(ui::ButtonType::system);
  retry_->setTitle(texts.retry, ui::ControlState::normal);
  retry_->addTarget(std::move(retry));

  auto stack = ui::StackView::make({message_, reason_, retry_});
  stack->setAxis(ui::StackAxis::vertical);
  stack->setSpacing(kSpacing);
  stack->setAlignment(ui::StackAlignment::center);
  addSubview(stack);
  stack->setTranslatesAutoresizingMaskIntoConstraints(false);
  auto self = shared_from_this();
  ui::LayoutConstraint::activate({ui::LayoutConstraint::centerX(stack, self), ui::LayoutConstraint::centerY(stack, self)});
}

}  // namespace zephro
