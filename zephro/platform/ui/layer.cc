#include "zephro/platform/ui/layer.h"

#include <algorithm>

#include "zephro/platform/ui/view.h"

namespace zephro::platform::ui {

Layer::~Layer() = default;

std::shared_ptr<Layer> Layer::make() { return std::make_shared<Layer>(); }

void Layer::setFrame(Rect frame) {
  if (frame == frame_) return;
  frame_ = frame;
  if (!hostView_) notifyHostOfChange();
}

void Layer::addSublayer(const std::shared_ptr<Layer>& layer) { insertSublayer(layer, sublayers_.size()); }

void Layer::insertSublayer(const std::shared_ptr<Layer>& layer, std::size_t index) {
  if (!layer || layer.get() == this) return;
  layer->removeFromSuperlayer();
  index = std::min(index, sublayers_.size());
  sublayers_.insert(sublayers_.begin() + static_cast<std::ptrdiff_t>(index), layer);
  layer->superlayer_ = weak_from_this();
  notifyHostOfChange();
}

void Layer::removeFromSuperlayer() {
  auto parent = superlayer();
  if (!parent) return;
  auto self = weak_from_this().lock();
  std::erase(parent->sublayers_, self);
  superlayer_.reset();
  parent->notifyHostOfChange();
}

// Sublayer changes anywhere in a view's layer tree are the view's to report.
void Layer::notifyHostOfChange() {
  const Layer* layer = this;
  std::shared_ptr<Layer> parent;
  while (!layer->hostView_ && (parent = layer->superlayer())) layer = parent.get();
  if (layer->hostView_) layer->hostView_->notifyPeerOfLayers();
}

}  // namespace zephro::platform::ui
