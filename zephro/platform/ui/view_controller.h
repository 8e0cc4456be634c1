#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "zephro/platform/ui/navigation_item.h"
#include "zephro/platform/ui/status_bar_style.h"
#include "zephro/platform/ui/tab_bar_item.h"

namespace zephro::platform::ui {

class NavigationController;
class TabBarController;
class View;

enum class AppearanceState { disappeared, appearing, appeared, disappearing };

// Manages one view: loads it lazily, runs its life-cycle hooks, contains child
// controllers and presents others modally. Controllers are owned through
// std::shared_ptr (make them with a factory) and read their view only once
// owned: containment, presentation and layout hooks find them through weak
// references.
class ViewController : public std::enable_shared_from_this<ViewController> {
 public:
  using Completion = std::function<void()>;

  ViewController();
  virtual ~ViewController();
  ViewController(const ViewController&) = delete;
  ViewController& operator=(const ViewController&) = delete;

  static std::shared_ptr<ViewController> make();

  // The view, loaded (loadView, then viewDidLoad) on first read.
  std::shared_ptr<View> view();
  std::shared_ptr<View> viewIfLoaded() const { return view_; }
  bool isViewLoaded() const { return view_ != nullptr; }
  void setView(std::shared_ptr<View> view);

  // Life-cycle hooks; the base versions do nothing but are meant to be called.
  virtual void loadView();
  virtual void viewDidLoad() {}
  virtual void viewWillAppear(bool /*animated*/) {}
  virtual void viewDidAppear(bool /*animated*/) {}
  virtual void viewWillDisappear(bool /*animated*/) {}
  virtual void viewDidDisappear(bool /*animated*/) {}
  virtual void viewWillLayoutSubviews() {}
  virtual void viewDidLayoutSubviews() {}

  // Containment. A controller that has a parent, is presented, or is an
  // ancestor of this one is not added. addChildViewController calls
  // willMoveToParentViewController; the caller calls
  // didMoveToParentViewController once the child's view is in place. Before
  // removeFromParentViewController the caller calls
  // willMoveToParentViewController(nullptr); the removal calls the did-move.
  const std::vector<std::shared_ptr<ViewController>>& children() const { return children_; }
  std::shared_ptr<ViewController> parent() const { return parent_.lock(); }
  void addChildViewController(const std::shared_ptr<ViewController>& child);
  void removeFromParentViewController();
  virtual void willMoveToParentViewController(const std::shared_ptr<ViewController>& /*parent*/) {}
  virtual void didMoveToParentViewController(const std::shared_ptr<ViewController>& /*parent*/) {}

  // The nearest enclosing container of that kind along the parent chain.
  std::shared_ptr<NavigationController> navigationController() const;
  std::shared_ptr<TabBarController> tabBarController() const;

  // Modal presentation, full screen: the presenter (the outermost container of
  // this controller) disappears under the presented one. Presenting from a
  // controller that already presents, or presenting a controller that is
  // contained or presented elsewhere, does nothing.
  void present(const std::shared_ptr<ViewController>& controller, bool animated,
               Completion completion = {});
  // Dismisses what this controller (or its outermost container) presents; from
  // a presented controller or anything contained in one, dismisses that
  // presentation. Everything presented above goes with it.
  void dismiss(bool animated, Completion completion = {});
  std::shared_ptr<ViewController> presentingViewController() const;
  std::shared_ptr<ViewController> presentedViewController() const;

  NavigationItem& navigationItem() { return navigationItem_; }
  const NavigationItem& navigationItem() const { return navigationItem_; }
  const TabBarItem& tabBarItem() const { return tabBarItem_; }
  void setTabBarItem(TabBarItem item);
  virtual StatusBarStyle preferredStatusBarStyle() const { return StatusBarStyle::defaultStyle; }

  // Appearance, forwarded down to the children that are on screen. Each call
  // that does not change the state is ignored, so forwarding twice is safe.
  AppearanceState appearanceState() const { return appearanceState_; }
  bool isAppearingOrAppeared() const;
  void beginAppearanceTransition(bool appearing, bool animated);
  void endAppearanceTransition();

 protected:
  using Controllers = std::vector<std::shared_ptr<ViewController>>;
  struct ChildChange {
    Controllers added;
    Controllers removed;
  };
  // Makes `next` (a container's new list: stack, tabs) the children that were
  // `current`: drops from `next` what cannot be contained here (empties,
  // repeats, this controller, controllers held elsewhere), adds the new ones
  // and removes the gone ones with the containment calls. The added ones still
  // await didMoveToParentViewController.
  ChildChange exchangeChildren(const Controllers& current, Controllers& next);

  // The children that appear and disappear with this controller: by default
  // those whose views lie in this controller's view tree.
  virtual std::vector<std::shared_ptr<ViewController>> appearanceChildren() const;
  // Containers that drive their children's appearance themselves say so;
  // otherwise a child appears when its view enters a visible parent's tree.
  virtual bool managesChildAppearance() const { return false; }
  // Containers place their content's views here, at the start of each layout
  // pass of their view, before viewWillLayoutSubviews.
  virtual void layoutContainedViews() {}

 private:
  friend class View;

  void viewMovedToSuperview();
  void viewRemovedFromSuperview();
  bool viewIsInTreeOf(const ViewController& ancestor) const;
  bool parentShowsChildAppearance() const;
  std::shared_ptr<ViewController> outermostContainer() const;
  std::shared_ptr<ViewController> presentationAnchor() const;
  void notifyTabBarOfItemChange() const;

  std::shared_ptr<View> view_;
  bool loadingView_ = false;
  std::vector<std::shared_ptr<ViewController>> children_;
  std::weak_ptr<ViewController> parent_;
  std::shared_ptr<ViewController> presented_;
  std::weak_ptr<ViewController> presenting_;
  NavigationItem navigationItem_;
  TabBarItem tabBarItem_;
  AppearanceState appearanceState_ = AppearanceState::disappeared;
  bool appearanceAnimated_ = false;
};

}  // namespace zephro::platform::ui
