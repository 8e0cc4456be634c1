// The main queue on the GLib main context.

#include "zephro/platform/gtk/glib_main_loop.h"

#include <thread>
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

TEST_F(GlibMainLoopTest, RunsPostedTasksInPostingOrderIncludingTasksTheyPost) {
  loop_->post([this] {
    ran_.push_back(1);
    loop_->post([this] { ran_.push_back(4); });
  });
  loop_->post([this] { ran_.push_back(2); });
  loop_->post([this] { ran_.push_back(3); });

  ASSERT_TRUE(spinUntil([this] { return ran_.size() == 4; }));
  EXPECT_EQ(ran_, (std::vector<int>{1, 2, 3, 4}));
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

TEST_F(GlibMainLoopTest, TasksPostedFromOtherThreadsRunOnTheMainThread) {
  const auto mainThread = std::this_thread::get_id();
  std::vector<std::thread::id> ranOn;
  std::vector<std::thread> posters;
  for (int i = 0; i < 4; ++i) {
    posters.emplace_back([&] {
      for (int j = 0; j < 25; ++j) loop_->post([&] { ranOn.push_back(std::this_thread::get_id()); });
    });
  }
  for (auto& poster : posters) poster.join();

  ASSERT_TRUE(spinUntil([&] { return ranOn.size() == 100; }));
  for (const auto& thread : ranOn) EXPECT_EQ(thread, mainThread);
}

TEST_F(GlibMainLoopTest, DelayedTasksWaitTheirTurn) {
  const auto start = std::chrono::steady_clock::now();
  std::chrono::steady_clock::duration waited{};
  loop_->postAfter(100ms, [&] {
    ran_.push_back(2);
    waited = std::chrono::steady_clock::now() - start;
  });
  loop_->postAfter(0ms, [this] { ran_.push_back(1); });

  ASSERT_TRUE(spinUntil([this] { return ran_.size() == 2; }));
  EXPECT_EQ(ran_, (std::vector<int>{1, 2}));
  EXPECT_GE(waited, 100ms);
}

TEST_F(GlibMainLoopTest, TasksOfADestroyedLoopAreDropped) {
  loop_->post([this] { ran_.push_back(1); });
  loop_.reset();
  testing::gtk::spinFor(50ms);
  EXPECT_TRUE(ran_.empty());
}

}  // namespace
}  // namespace zephro::platform::gtk
