#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include "zephro/platform/ui/color.h"
#include "zephro/platform/ui/geometry.h"

namespace zephro::platform::ui {

class Layer;
class LayoutConstraint;
class ViewController;
class ViewPeer;
class Window;

// A rectangle in a view tree. Holds the state a renderer shows; layout runs
// in passes (setNeedsLayout, layoutIfNeeded) like any retained-mode toolkit.
class View : public std::enable_shared_from_this<View> {
 public:
  explicit View(Rect frame = {});
  virtual ~View();
  View(const View&) = delete;
  View& operator=(const View&) = delete;

  static std::shared_ptr<View> make(Rect frame = {});

  // Geometry. Bounds always start at the origin: views do not scroll.
  Rect frame() const { return frame_; }
  void setFrame(Rect frame);
  Rect bounds() const { return {{0, 0}, frame_.size}; }
  Point center() const { return frame_.center(); }
  void setCenter(Point center);
  // Converts a point in this view's coordinates into `other`'s (both in one
  // tree); a null `other` means the space the topmost view's frame is in.
  Point convert(Point point, const View* other) const;

  // Appearance.
  const std::optional<Color>& backgroundColor() const { return backgroundColor_; }
  void setBackgroundColor(std::optional<Color> color);
  const std::optional<Color>& tintColor() const { return tintColor_; }
  void setTintColor(std::optional<Color> color);
  bool isHidden() const { return hidden_; }
  void setHidden(bool hidden);

  // Hierarchy.
  const std::vector<std::shared_ptr<View>>& subviews() const { return subviews_; }
  std::shared_ptr<View> superview() const { return superview_.lock(); }
  void addSubview(const std::shared_ptr<View>& view);
  // Index past the end appends.
  void insertSubview(const std::shared_ptr<View>& view, std::size_t index);
  void removeFromSuperview();
  bool isDescendantOf(const View& ancestor) const;
  // The window at the root of this view's tree, if the tree has one.
  std::shared_ptr<Window> window() const;

  // The backing layer; a view's sublayers draw beneath its subviews.
  Layer& layer() { return *layer_; }
  const std::shared_ptr<Layer>& layerPtr() const { return layer_; }

  // Constraint layout: a view that does not translate its autoresizing mask is
  // sized to its fitting size and placed by its active constraints.
  bool translatesAutoresizingMaskIntoConstraints() const { return translatesMask_; }
  void setTranslatesAutoresizingMaskIntoConstraints(bool translates) { translatesMask_ = translates; }
  const std::vector<std::shared_ptr<LayoutConstraint>>& constraints() const { return constraints_; }

  // Sizing. A negative component means "no intrinsic size in that axis".
  virtual Size intrinsicContentSize() const;
  // The size the view wants within `available`; defaults to the intrinsic
  // size where there is one, else the current size.
  virtual Size sizeThatFits(Size available) const;

  // Layout passes.
  void setNeedsLayout();
  bool needsLayout() const { return needsLayout_; }
  // Lays out this view (if marked) and then its subtree.
  void layoutIfNeeded();

  // The controller whose root view this is, if any.
  std::shared_ptr<ViewController> owningViewController() const { return owningController_.lock(); }

  // The renderer's peer, made on first use; null when no renderer is set.
  std::shared_ptr<ViewPeer> peer();
  const std::shared_ptr<ViewPeer>& existingPeer() const { return peer_; }

 protected:
  // Places subviews; the default resolves the constraints of the subviews.
  virtual void layoutSubviews();
  // Tells the peer that view-specific content (text, title, image) changed.
  void contentChanged();
  // The fitting size changed: this view and every view that may place or
  // size around it are laid out again.
  void invalidateIntrinsicContentSize();
  void notifyPeerOfAppearance();

 private:
  friend class ViewController;
  friend class LayoutConstraint;
  friend class Layer;

  void setOwningViewController(std::weak_ptr<ViewController> controller);
  void attach(const std::shared_ptr<View>& view, std::size_t index);
  void detachFromSuperview();
  void runLayoutPass();
  void applyConstraintsOfSubviews();
  void notifyPeerOfSubviews();
  void notifyPeerOfLayers();
  void addConstraint(const std::shared_ptr<LayoutConstraint>& constraint);
  void removeConstraint(const LayoutConstraint& constraint);

  Rect frame_;
  std::optional<Color> backgroundColor_;
  std::optional<Color> tintColor_;
  bool hidden_ = false;
  bool translatesMask_ = true;
  bool needsLayout_ = true;
  std::vector<std::shared_ptr<View>> subviews_;
  std::weak_ptr<View> superview_;
  std::shared_ptr<Layer> layer_;
  std::vector<std::shared_ptr<LayoutConstraint>> constraints_;
  std::weak_ptr<ViewController> owningController_;
  std::shared_ptr<ViewPeer> peer_;
};

}  // namespace zephro::platform::ui
