#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "zephro/platform/ui/geometry.h"

namespace zephro::platform::ui {

class View;

// A drawing surface in a view's layer tree. Plain views draw through their
// peer; layers exist for content a view hosts without being a view itself
// (a camera preview).
class Layer : public std::enable_shared_from_this<Layer> {
 public:
  Layer() = default;
  virtual ~Layer();
  Layer(const Layer&) = delete;
  Layer& operator=(const Layer&) = delete;

  static std::shared_ptr<Layer> make();

  Rect frame() const { return frame_; }
  void setFrame(Rect frame);

  const std::vector<std::shared_ptr<Layer>>& sublayers() const { return sublayers_; }
  void addSublayer(const std::shared_ptr<Layer>& layer);
  // Index past the end appends.
  void insertSublayer(const std::shared_ptr<Layer>& layer, std::size_t index);
  void removeFromSuperlayer();
  std::shared_ptr<Layer> superlayer() const { return superlayer_.lock(); }

  // The view whose backing layer this is, if any.
  View* hostView() const { return hostView_; }

 protected:
  // Tells the view whose layer tree this is that its layers changed.
  void notifyHostOfChange();

 private:
  friend class View;

  Rect frame_;
  std::vector<std::shared_ptr<Layer>> sublayers_;
  std::weak_ptr<Layer> superlayer_;
  View* hostView_ = nullptr;
};

}  // namespace zephro::platform::ui
