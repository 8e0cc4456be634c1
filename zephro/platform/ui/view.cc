#include "zephro/platform/ui/view.h"

#include <algorithm>

#include "zephro/platform/ui/layer.h"
#include "zephro/platform/ui/layout_constraint.h"
#include "zephro/platform/ui/renderer.h"
#include "zephro/platform/ui/view_controller.h"
#include "zephro/platform/ui/window.h"

namespace zephro::platform::ui {

View::View(Rect frame) : frame_(frame), layer_(Layer::make()) {
  layer_->hostView_ = this;
  layer_->frame_ = frame;
}

View::~View() { layer_->hostView_ = nullptr; }

std::shared_ptr<View> View::make(Rect frame) { return std::make_shared<View>(frame); }

void View::setFrame(Rect frame) {
  if (frame == frame_) return;
  const bool resized = frame.size != frame_.size;
  frame_ = frame;
  layer_->frame_ = frame;
  if (resized) setNeedsLayout();
  if (peer_) peer_->frameChanged();
}

void View::setCenter(Point center) {
  setFrame({{center.x - frame_.size.width / 2, center.y - frame_.size.height / 2}, frame_.size});
}

Point View::convert(Point point, const View* other) const {
  for (const View* view = this; view; view = view->superview().get()) {
    point.x += view->frame_.origin.x;
    point.y += view->frame_.origin.y;
  }
  for (const View* view = other; view; view = view->superview().get()) {
    point.x -= view->frame_.origin.x;
    point.y -= view->frame_.origin.y;
  }
  return point;
}

void View::setBackgroundColor(std::optional<Color> color) {
  if (color == backgroundColor_) return;
  backgroundColor_ = color;
  notifyPeerOfAppearance();
}

void View::setTintColor(std::optional<Color> color) {
  if (color == tintColor_) return;
  tintColor_ = color;
  notifyPeerOfAppearance();
}

void View::setHidden(bool hidden) {
  if (hidden == hidden_) return;
  hidden_ = hidden;
  notifyPeerOfAppearance();
}

void View::addSubview(const std::shared_ptr<View>& view) { attach(view, subviews_.size()); }

void View::insertSubview(const std::shared_ptr<View>& view, std::size_t index) { attach(view, index); }

// A view cannot contain itself or one of its ancestors: that would make a cycle
// of strong references and an endless layout walk.
void View::attach(const std::shared_ptr<View>& view, std::size_t index) {
  if (!view || view.get() == this || isDescendantOf(*view)) return;
  view->detachFromSuperview();
  index = std::min(index, subviews_.size());
  subviews_.insert(subviews_.begin() + static_cast<std::ptrdiff_t>(index), view);
  view->superview_ = weak_from_this();
  setNeedsLayout();
  notifyPeerOfSubviews();
  if (auto controller = view->owningViewController()) controller->viewMovedToSuperview();
}

void View::removeFromSuperview() {
  auto self = weak_from_this().lock();  // the superview may hold the last reference
  detachFromSuperview();
}

void View::detachFromSuperview() {
  auto parent = superview();
  if (!parent) return;
  std::erase_if(parent->subviews_, [this](const auto& view) { return view.get() == this; });
  superview_.reset();
  parent->setNeedsLayout();
  parent->notifyPeerOfSubviews();
  if (auto controller = owningViewController()) controller->viewRemovedFromSuperview();
}

bool View::isDescendantOf(const View& ancestor) const {
  for (auto view = superview(); view; view = view->superview()) {
    if (view.get() == &ancestor) return true;
  }
  return false;
}

Size View::intrinsicContentSize() const { return {-1, -1}; }

Size View::sizeThatFits(Size /*available*/) const {
  const Size intrinsic = intrinsicContentSize();
  return {intrinsic.width >= 0 ? intrinsic.width : frame_.size.width,
          intrinsic.height >= 0 ? intrinsic.height : frame_.size.height};
}

// On screen, a marked view is laid out with the next pass of its window.
void View::setNeedsLayout() {
  needsLayout_ = true;
  if (auto host = window()) host->scheduleLayoutPass();
}

std::shared_ptr<Window> View::window() const {
  auto root = std::const_pointer_cast<View>(weak_from_this().lock());
  while (root) {
    auto parent = root->superview();
    if (!parent) break;
    root = parent;
  }
  return std::dynamic_pointer_cast<Window>(root);
}

void View::layoutIfNeeded() {
  auto self = weak_from_this().lock();  // hooks may drop the last outside reference
  if (needsLayout_) runLayoutPass();
  const auto children = subviews_;  // hooks may change the tree
  for (const auto& child : children) child->layoutIfNeeded();
}

void View::runLayoutPass() {
  needsLayout_ = false;
  auto controller = owningViewController();
  // Containers place their content first so that the hooks see final frames.
  if (controller) {
    controller->layoutContainedViews();
    controller->viewWillLayoutSubviews();
  }
  layoutSubviews();
  if (controller) controller->viewDidLayoutSubviews();
}

void View::layoutSubviews() { applyConstraintsOfSubviews(); }

void View::applyConstraintsOfSubviews() {
  for (const auto& child : subviews_) {
    if (child->translatesMask_ || child->constraints_.empty()) continue;
    Rect frame{child->frame_.origin, child->sizeThatFits(bounds().size)};
    for (const auto& constraint : child->constraints_) {
      auto target = constraint->toItem();
      if (!target || (target.get() != this && !target->isDescendantOf(*this))) continue;
      const Point center = target->convert(target->bounds().center(), this);
      if (constraint->attribute() == LayoutAttribute::centerX) {
        frame.origin.x = center.x + constraint->constant() - frame.size.width / 2;
      } else {
        frame.origin.y = center.y + constraint->constant() - frame.size.height / 2;
      }
    }
    child->setFrame(frame);
  }
}

void View::addConstraint(const std::shared_ptr<LayoutConstraint>& constraint) {
  constraints_.push_back(constraint);
}

void View::removeConstraint(const LayoutConstraint& constraint) {
  std::erase_if(constraints_, [&](const auto& held) { return held.get() == &constraint; });
}

void View::setOwningViewController(std::weak_ptr<ViewController> controller) {
  owningController_ = std::move(controller);
}

std::shared_ptr<ViewPeer> View::peer() {
  if (!peer_) {
    if (auto renderer = currentRenderer()) peer_ = renderer->makeViewPeer(*this);
  }
  return peer_;
}

void View::invalidateIntrinsicContentSize() {
  for (auto view = weak_from_this().lock(); view; view = view->superview()) view->setNeedsLayout();
}

void View::contentChanged() {
  if (peer_) peer_->contentChanged();
}

void View::notifyPeerOfAppearance() {
  if (peer_) peer_->appearanceChanged();
}

void View::notifyPeerOfSubviews() {
  if (peer_) peer_->subviewsChanged();
}

void View::notifyPeerOfLayers() {
  if (peer_) peer_->layersChanged();
}

}  // namespace zephro::platform::ui
