// The model's view trees rendered as real GTK widgets in a real window.

#include <gtk/gtk.h>

#include <memory>
#include <string>

#include "tests/gtk/support/gtk_backend_fixture.h"
#include "tests/gtk/support/widget_search.h"
#include "zephro/platform/gtk/gtk_view_peer.h"
#include "zephro/platform/gtk/tab_bar_peer.h"
#include "zephro/platform/gtk/window_peer.h"
#include "zephro/platform/ui/button.h"
#include "zephro/platform/ui/label.h"
#include "zephro/platform/ui/navigation_bar.h"
#include "zephro/platform/ui/navigation_controller.h"
#include "zephro/platform/ui/tab_bar.h"
#include "zephro/platform/ui/tab_bar_controller.h"
#include "zephro/platform/ui/view_controller.h"
#include "zephro/platform/ui/window.h"

namespace zephro::platform::gtk {
namespace {

using testing::gtk::GtkBackendTest;
using testing::gtk::findDescendant;
using testing::gtk::isOnScreen;
using testing::gtk::spinUntil;
using testing::gtk::widgetOf;
using namespace std::chrono_literals;

class GtkRendererTest : public GtkBackendTest {
 protected:
  void TearDown() override {
    window_.reset();
    GtkBackendTest::TearDown();
  }

  void show(std::shared_ptr<ui::ViewController> root) {
    window_ = ui::Window::make(ui::Rect::make(0, 0, 390, 844));
    window_->setRootViewController(std::move(root));
    window_->makeKeyAndVisible();
    ASSERT_TRUE(spinUntil([this] { return gtk_widget_get_mapped(GTK_WIDGET(gtkWindowOf(*window_))); }));
  }

  static double horizontalPosition(ui::View& view) {
    graphene_rect_t bounds;
    GtkWidget* widget = widgetOf(view);
    if (!gtk_widget_compute_bounds(widget, gtk_widget_get_parent(widget), &bounds)) return -1;
    return bounds.origin.x;
  }

  std::shared_ptr<ui::Window> window_;
};

TEST_F(GtkRendererTest, AWindowShowsItsRootViewWithTheModelsTexts) {
  auto root = ui::ViewController::make();
  auto label = ui::Label::make("Hello");
  label->setFrame(ui::Rect::make(10, 20, 200, 30));
  root->view()->addSubview(label);
  show(root);

  EXPECT_EQ(gtk_window_get_child(gtkWindowOf(*window_)), widgetOf(*window_));
  EXPECT_TRUE(isOnScreen(*label));
  auto* text = GTK_LABEL(findDescendant(widgetOf(*label), GTK_TYPE_LABEL));
  ASSERT_NE(text, nullptr);
  EXPECT_STREQ(gtk_label_get_text(text), "Hello");
  label->setText("Changed");
  EXPECT_STREQ(gtk_label_get_text(text), "Changed");
}

TEST_F(GtkRendererTest, AnimatedPushAndPopSlideAndLeaveOnlyTheTopScreen) {
  auto home = ui::ViewController::make();
  home->navigationItem().backButtonTitle = "Home";
  auto navigation = ui::NavigationController::make(home);
  show(navigation);
  auto detail = ui::ViewController::make();

  navigation->pushViewController(detail, true);
  EXPECT_TRUE(isOnScreen(*detail->view()));
  ASSERT_TRUE(spinUntil([&] { return home->view()->superview() == nullptr; }));
  EXPECT_FALSE(isOnScreen(*home->view()));
  EXPECT_EQ(horizontalPosition(*detail->view()), 0);
  GtkWidget* back = findDescendant(widgetOf(*navigation->navigationBar()), GTK_TYPE_BUTTON);
  ASSERT_NE(back, nullptr);
  EXPECT_TRUE(gtk_widget_get_visible(back));
  EXPECT_NE(std::string(gtk_label_get_text(GTK_LABEL(findDescendant(back, GTK_TYPE_LABEL)))).find("Home"),
            std::string::npos);

  // The back button pops, animated.
  g_signal_emit_by_name(back, "clicked");
  ASSERT_TRUE(spinUntil([&] { return detail->view()->superview() == nullptr; }));
  EXPECT_EQ(navigation->viewControllers().size(), 1u);
  EXPECT_TRUE(isOnScreen(*home->view()));
  EXPECT_EQ(horizontalPosition(*home->view()), 0);
  EXPECT_FALSE(gtk_widget_get_visible(back));
}

TEST_F(GtkRendererTest, PresentedScreensCoverThePresenterUntilDismissed) {
  auto presenter = ui::ViewController::make();
  show(presenter);
  auto presented = ui::ViewController::make();

  bool presentedDone = false;
  presenter->present(presented, true, [&] { presentedDone = true; });
  ASSERT_TRUE(spinUntil([&] { return presentedDone; }));
  EXPECT_TRUE(isOnScreen(*presented->view()));

  bool dismissed = false;
  presented->dismiss(true, [&] { dismissed = true; });
  ASSERT_TRUE(spinUntil([&] { return dismissed; }));
  EXPECT_FALSE(isOnScreen(*presented->view()));
  EXPECT_TRUE(isOnScreen(*presenter->view()));
}

TEST_F(GtkRendererTest, ClicksReachTheModelsButtonsAndTabs) {
  auto first = ui::ViewController::make();
  first->setTabBarItem({"First", nullptr, nullptr});
  auto button = ui::Button::make();
  button->setTitle("Tap", ui::ControlState::normal);
  button->setFrame(ui::Rect::make(0, 100, 100, 44));
  int taps = 0;
  button->addTarget([&taps] { ++taps; });
  first->view()->addSubview(button);
  auto second = ui::ViewController::make();
  second->setTabBarItem({"Second", nullptr, nullptr});
  auto tabs = ui::TabBarController::make();
  tabs->setViewControllers({first, second});
  show(tabs);

  g_signal_emit_by_name(findDescendant(widgetOf(*button), GTK_TYPE_BUTTON), "clicked");
  EXPECT_EQ(taps, 1);

  auto* bar = dynamic_cast<TabBarPeer*>(GtkViewPeer::of(*tabs->tabBar()));
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->itemButtons().size(), 2u);
  g_signal_emit_by_name(bar->itemButtons()[1].get(), "clicked");
  EXPECT_EQ(tabs->selectedIndex(), 1u);
  EXPECT_TRUE(spinUntil([&] { return isOnScreen(*second->view()); }));
}

TEST_F(GtkRendererTest, LabelsMeasureWithTheRealFont) {
  auto root = ui::ViewController::make();
  auto shortLabel = ui::Label::make("Hi");
  auto longLabel = ui::Label::make("A considerably longer line of text for measuring");
  for (const auto& label : {shortLabel, longLabel}) root->view()->addSubview(label);
  show(root);

  const auto shortSize = shortLabel->sizeThatFits({-1, -1});
  const auto longSize = longLabel->sizeThatFits({-1, -1});
  EXPECT_GT(shortSize.width, 0);
  EXPECT_GT(longSize.width, shortSize.width * 4);
  longLabel->setNumberOfLines(0);
  const auto wrapped = longLabel->sizeThatFits({100, -1});
  EXPECT_LE(wrapped.width, 100);
  EXPECT_GT(wrapped.height, longSize.height * 2);
}

TEST_F(GtkRendererTest, ResizingTheWindowResizesTheModel) {
  auto root = ui::ViewController::make();
  show(root);

  gtk_window_set_default_size(gtkWindowOf(*window_), 500, 600);
  ASSERT_TRUE(spinUntil([&] { return window_->frame().size == ui::Size{500, 600}; }, 5s));
  EXPECT_EQ(root->view()->frame().size, (ui::Size{500, 600}));
}

}  // namespace
}  // namespace zephro::platform::gtk
