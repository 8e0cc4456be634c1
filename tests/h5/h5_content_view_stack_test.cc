#include "zephro/h5/h5_content_view_stack.h"

#include <gtest/gtest.h>

#include <limits>

#include "tests/support/kit_test.h"

namespace zephro {
namespace {

namespace ui = platform::ui;
using testing::KitTest;
using ui::TransitionKind;

class ViewStackTest : public KitTest {
 protected:
  // Host screen "host" at the bottom, then pages A, B (the caller on top).
  std::shared_ptr<H5ContentViewController> pushPages(std::initializer_list<const char*> pages) {
    std::shared_ptr<H5ContentViewController> last;
    for (const char* page : pages) {
      last = H5ContentViewController::make(page, std::nullopt);
      navigation->pushViewController(last, false);
    }
    renderer->animated.clear();
    return last;
  }
};

struct PopCase {
  const char* name;
  std::int64_t count;
  std::vector<std::string> remaining;
};

class PopArithmeticTest : public ViewStackTest, public ::testing::WithParamInterface<PopCase> {};

// The stack is [host, A, B]: three screens.
TEST_P(PopArithmeticTest, RemovesTheTopmostScreensButNeverTheLastOne) {
  pushPages({"A", "B"})->pop(GetParam().count, false);
  EXPECT_EQ(stackNames(), GetParam().remaining);
}

INSTANTIATE_TEST_SUITE_P(
    Counts, PopArithmeticTest,
    ::testing::Values(PopCase{"Zero", 0, {"host", "A"}}, PopCase{"One", 1, {"host", "A"}}, PopCase{"Two", 2, {"host"}},
                      PopCase{"MinusTwo", -2, {"host"}}, PopCase{"Three", 3, {"host", "A", "B"}},
                      PopCase{"Four", 4, {"host", "A", "B"}},
                      PopCase{"Largest", std::numeric_limits<std::int64_t>::max(), {"host", "A", "B"}},
                      PopCase{"MostNegative", std::numeric_limits<std::int64_t>::min(), {"host", "A", "B"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ViewStackTest, AOneScreenStackKeepsItsScreen) {
  auto only = H5ContentViewController::make("A", std::nullopt);
  navigation->setViewControllers({only}, false);
  only->pop(0, true);
  only->pop(1, true);
  EXPECT_EQ(stackNames(), (std::vector<std::string>{"A"}));
}

TEST_F(ViewStackTest, TheAnimatedFlagIsPassedOn) {
  auto caller = pushPages({"A", "B", "C"});
  caller->pop(1, true);
  std::dynamic_pointer_cast<H5ContentViewStack>(top())->pop(0, false);
  EXPECT_EQ(renderer->animated, (std::vector<TransitionKind>{TransitionKind::pop}));
  EXPECT_EQ(stackNames(), (std::vector<std::string>{"host", "A"}));
}

TEST_F(ViewStackTest, NavigateToPushesANewPageScreenWithItsQuery) {
  auto caller = pushPages({"A"});
  caller->navigateTo("detail",
                     H5ContentViewController::Params{{"params", AnyCodable(PlainMap{{"id", std::int64_t{3}}})}}, false);
  auto opened = std::dynamic_pointer_cast<H5ContentViewController>(top());
  ASSERT_TRUE(opened);
  EXPECT_EQ(opened->pageName(), "detail");
  EXPECT_EQ(opened->queryString(), "?id=3");
  EXPECT_TRUE(renderer->animated.empty());
}

TEST_F(ViewStackTest, WithoutANavigationControllerPagesArePresentedAndPopDismisses) {
  auto alone = H5ContentViewController::make("A", std::nullopt);
  window->setRootViewController(alone);
  alone->navigateTo("B", std::nullopt, true);
  auto presented = std::dynamic_pointer_cast<H5ContentViewController>(alone->presentedViewController());
  ASSERT_TRUE(presented);
  EXPECT_EQ(presented->pageName(), "B");
  presented->pop(5, true);
  EXPECT_EQ(alone->presentedViewController(), nullptr);
  EXPECT_EQ(renderer->animated, (std::vector<TransitionKind>{TransitionKind::present, TransitionKind::dismiss}));
}

}  // namespace
}  // namespace zephro
