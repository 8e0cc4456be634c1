// What the main queue on GLib owes beyond the backend contract: a loop that
// is gone runs nothing, and a task that throws stops only itself.

#include "zephro/platform/gtk/glib_main_loop.h"

#include <gmock/gmock.h>

#include <stdexcept>
#include <vector>

#include "tests/gtk/support/gtk_fixture.h"

namespace zephro::platform::gtk {
namespace {

using testing::gtk::GtkTest;
using testing::gtk::spinUntil;
using namespace std::chrono_literals;

class GlibMainLoopTest : public GtkTest {
 protected:
  std::shared_ptr<GlibMainLoop> loop_ = GlibMainLoop::make();
  std::vector<int> ran_;
};

TEST_F(GlibMainLoopTest, ATaskThatThrowsIsReportedAndTheOthersRun) {
  ::testing::internal::CaptureStderr();
  loop_->post([this] { ran_.push_back(1); });
  loop_->post([] { throw std::runtime_error("posted task broke"); });
  loop_->post([this] { ran_.push_back(2); });
  loop_->postAfter(0ms, [] { throw std::runtime_error("delayed task broke"); });
  loop_->postAfter(20ms, [this] { ran_.push_back(3); });

  const bool ranAll = spinUntil([this] { return ran_.size() == 3; });
  const std::string reported = ::testing::internal::GetCapturedStderr();
  ASSERT_TRUE(ranAll);
  EXPECT_EQ(ran_, (std::vector<int>{1, 2, 3}));
  EXPECT_THAT(reported, ::testing::HasSubstr("posted task broke"));
  EXPECT_THAT(reported, ::testing::HasSubstr("delayed task broke"));
}

// Work for the end of the pass comes before the loop's next turn, even before
// tasks posted earlier for that turn.
TEST_F(GlibMainLoopTest, EndOfPassTasksRunBeforeTheNextTurn) {
  loop_->post([this] {
    ran_.push_back(1);
    loop_->post([this] { ran_.push_back(3); });
    loop_->postAtEndOfPass([this] { ran_.push_back(2); });
  });

  ASSERT_TRUE(spinUntil([this] { return ran_.size() == 3; }));
  EXPECT_EQ(ran_, (std::vector<int>{1, 2, 3}));
}

TEST_F(GlibMainLoopTest, TasksOfADestroyedLoopAreDropped) {
  loop_->post([this] { ran_.push_back(1); });
  loop_.reset();
  testing::gtk::spinFor(50ms);
  EXPECT_TRUE(ran_.empty());
}

}  // namespace
}  // namespace zephro::platform::gtk
