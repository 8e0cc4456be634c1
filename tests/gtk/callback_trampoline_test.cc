// Signal handlers behind the trampoline: refused when empty, owned by the
// connection, and never letting an exception into GLib; owned timeouts.

#include "zephro/platform/gtk/callback_trampoline.h"

#include <gmock/gmock.h>
#include <gtk/gtk.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/gtk/support/gtk_fixture.h"
#include "tests/gtk/support/main_loop_spin.h"

namespace zephro::platform::gtk {
namespace {

using namespace std::chrono_literals;
using Clicked = void(GtkButton*);

class CallbackTrampolineTest : public testing::gtk::GtkTest {
 protected:
  GObjectRef<GtkWidget> button_ = GObjectRef<GtkWidget>::sink(gtk_button_new());
  void click() { g_signal_emit_by_name(button_.get(), "clicked"); }
};

TEST_F(CallbackTrampolineTest, AnEmptyHandlerIsNotConnected) {
  EXPECT_EQ(connectSignal<Clicked>(button_.get(), "clicked", {}), 0u);
  click();
}

TEST_F(CallbackTrampolineTest, AHandlerThatThrowsIsReportedAndLaterHandlersRun) {
  int clicks = 0;
  connectSignal<Clicked>(button_.get(), "clicked", [](GtkButton*) { throw std::runtime_error("handler broke"); });
  connectSignal<Clicked>(button_.get(), "clicked", [&](GtkButton*) { ++clicks; });
  ::testing::internal::CaptureStderr();
  click();
  EXPECT_THAT(::testing::internal::GetCapturedStderr(), ::testing::HasSubstr("handler broke"));
  EXPECT_EQ(clicks, 1);
}

// The handler's captures go with its connection, or with its instance.
TEST_F(CallbackTrampolineTest, TheHandlerIsFreedWithItsConnectionOrItsInstance) {
  auto state = std::make_shared<int>(0);
  std::weak_ptr<int> watched = state;
  auto connection = SignalConnection::connect<Clicked>(button_.get(), "clicked", [state](GtkButton*) { ++*state; });
  connectSignal<Clicked>(button_.get(), "clicked", [state](GtkButton*) { ++*state; });
  state.reset();
  click();
  EXPECT_EQ(*watched.lock(), 2);

  connection = {};
  click();
  EXPECT_EQ(*watched.lock(), 3);
  button_ = {};
  EXPECT_TRUE(watched.expired());
}

// Only the last one started runs, once, and it may start itself again; none
// runs after its owner went.
TEST_F(CallbackTrampolineTest, AnOwnedTimeoutRunsOnlyItsLatestTaskAndNotAfterItsOwner) {
  std::vector<std::string> ran;
  OwnedTimeout timeout;
  timeout.start(1, [&] { ran.push_back("replaced"); });
  timeout.start(1, [&] {
    ran.push_back("latest");
    if (ran.size() == 1) timeout.start(1, [&] { ran.push_back("again"); });
  });
  auto gone = std::make_unique<OwnedTimeout>();
  gone->start(1, [&] { ran.push_back("after its owner"); });
  gone.reset();
  ASSERT_TRUE(testing::gtk::spinUntil([&] { return ran.size() == 2 && !timeout.isPending(); }));
  testing::gtk::spinFor(20ms);
  EXPECT_EQ(ran, (std::vector<std::string>{"latest", "again"}));
}

}  // namespace
}  // namespace zephro::platform::gtk
