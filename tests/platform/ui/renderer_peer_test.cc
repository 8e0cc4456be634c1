#include "tests/platform/ui/ui_test_support.h"
#include "zephro/platform/ui/label.h"
#include "zephro/platform/ui/layer.h"
#include "zephro/platform/ui/view.h"

namespace zephro::testing {
namespace {

class RecordingPeer : public ui::ViewPeer {
 public:
  explicit RecordingPeer(std::shared_ptr<Log> log) : log_(std::move(log)) {}
  void frameChanged() override { log_->push_back("frame"); }
  void subviewsChanged() override { log_->push_back("subviews"); }
  void appearanceChanged() override { log_->push_back("appearance"); }
  void contentChanged() override { log_->push_back("content"); }
  void layersChanged() override { log_->push_back("layers"); }
  std::optional<ui::Size> measureContent(ui::Size) override { return ui::Size{123, 45}; }

 private:
  std::shared_ptr<Log> log_;
};

TEST_F(UiTest, PeersHearOfEachRealChangeAndOnlyWithARenderer) {
  EXPECT_EQ(ui::View::make()->peer(), nullptr);
  struct PeerRenderer : ui::Renderer {
    std::shared_ptr<ui::ViewPeer> makeViewPeer(ui::View&) override { return std::make_shared<RecordingPeer>(log); }
    std::shared_ptr<ui::WindowPeer> makeWindowPeer(ui::Window&) override { return std::make_shared<ui::WindowPeer>(); }
    void animateTransition(const ui::Transition&, std::function<void()> done) override { done(); }
    std::shared_ptr<Log> log;
  };
  auto renderer = std::make_shared<PeerRenderer>();
  renderer->log = log;
  ui::setRenderer(renderer);
  auto label = ui::Label::make("a");
  ASSERT_NE(label->peer(), nullptr);  // made when first asked for
  label->setFrame(ui::Rect::make(0, 0, 10, 10));
  label->setFrame(ui::Rect::make(0, 0, 10, 10));
  label->addSubview(ui::View::make());
  label->setBackgroundColor(ui::Color::white());
  label->setBackgroundColor(ui::Color::white());
  label->setHidden(true);
  label->setText("b");
  label->setText("b");
  label->layer().addSublayer(ui::Layer::make());
  EXPECT_THAT(*log, ElementsAre("frame", "subviews", "appearance", "appearance", "content", "layers"));
  EXPECT_EQ(label->sizeThatFits({100, 100}), (ui::Size{123, 45}));
}

TEST_F(UiTest, LayoutHooksRunOncePerMarkedPass) {
  auto screen = controller("screen");
  show(screen);
  EXPECT_EQ(screen->layoutPasses, 1);
  window->layoutIfNeeded();
  EXPECT_EQ(screen->layoutPasses, 1);
  screen->view()->setNeedsLayout();
  screen->view()->setNeedsLayout();
  EXPECT_EQ(loop->drain(), 1u);  // one pass scheduled for the window
  EXPECT_EQ(screen->layoutPasses, 2);
}

}  // namespace
}  // namespace zephro::testing
