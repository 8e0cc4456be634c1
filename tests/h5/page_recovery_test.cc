// A page screen whose page cannot be shown: failed loads, a web process that
// ends once or keeps ending, a missing page, and the retry.
#include <gtest/gtest.h>

#include "zephro/testing/kit_test.h"
#include "zephro/testing/posted_objects.h"
#include "zephro/h5/page_failure.h"
#include "zephro/h5/page_process_termination.h"

namespace zephro {
namespace {

using platform::headless::engineOf;
using platform::web::WebError;
using Cause = PageFailure::Cause;

class PageRecoveryTest : public testing::KitTest {
 protected:
  std::shared_ptr<H5ContentViewController> push(const std::string& page) {
    auto screen = H5ContentViewController::make(page, std::nullopt);
    navigation->pushViewController(screen, false);
    return screen;
  }
  static std::string reasonShown(H5ContentViewController& screen) {
    return screen.failureView() ? screen.failureView()->reasonLabel()->text() : "(page)";
  }

  testing::PostedObjects<PageProcessTermination> told{kPageProcessTerminatedNotification};
};

// Each step, then the loads made so far, the reason shown ("(page)": no
// failure view) and what the host was told (-1: nothing).
TEST_F(PageRecoveryTest, AnEndedProcessReloadsOnceAndACrashLoopOrAFailedLoadWaitsForRetry) {
  struct Step {
    const char* action;
    std::size_t loads;
    const char* reason;
    int toldReloading;
  };
  const Step steps[] = {
      {"end", 2, "(page)", 1},
      {"end", 2, "页面进程意外结束", 0},  // again within 10 s of the reload
      {"retry", 3, "(page)", -1},
      {"end", 3, "页面进程意外结束", 0},  // within 10 s of the retry
      {"retry", 4, "(page)", -1},
      {"fail", 4, "Could not connect: Connection refused", -1},
      {"timeout", 4, "服务器未及时响应", -1},
      {"retry", 5, "(page)", -1},
  };
  auto screen = push("detail");
  auto& engine = *engineOf(*screen->webview());
  for (const Step& step : steps) {
    SCOPED_TRACE(step.action);
    told.objects.clear();
    const std::string action = step.action;
    if (action == "end") engine.terminateWebContentProcess();
    if (action == "fail") engine.failNavigation({"WebKitNetworkError", 1, "Could not connect: Connection refused"});
    if (action == "timeout") engine.failNavigation(WebError::timedOut());
    if (action == "retry") screen->failureView()->retryButton()->tap();
    EXPECT_EQ(engine.loads().size(), step.loads);
    EXPECT_EQ(engine.loads().back().url, engine.loads().front().url);
    EXPECT_EQ(reasonShown(*screen), step.reason);
    ASSERT_EQ(told.objects.size(), step.toldReloading < 0 ? 0u : 1u);
    if (!told.objects.empty()) {
      EXPECT_EQ(told.objects[0].reloading, step.toldReloading == 1);
      EXPECT_EQ(told.objects[0].pageName, "detail");
    }
  }
  EXPECT_EQ(screen->failureView(), nullptr);
  EXPECT_EQ(screen->view()->subviews().size(), 1u);
}

TEST_F(PageRecoveryTest, AMissingPageShowsTheFailureViewOverThePageAreaUntilRetryFindsIt) {
  auto screen = push("later");
  ASSERT_TRUE(screen->failureView());
  EXPECT_TRUE(engineOf(*screen->webview())->loads().empty());
  EXPECT_EQ(screen->failureView()->superview(), screen->view());
  screen->view()->layoutIfNeeded();
  EXPECT_EQ(screen->failureView()->frame(), screen->view()->bounds());
  EXPECT_EQ(screen->failureView()->retryButton()->title(platform::ui::ControlState::normal), "重试");
  EXPECT_EQ(reasonShown(*screen), "找不到页面：later");

  bundle.addPage("later");
  screen->retry();
  EXPECT_EQ(screen->failureView(), nullptr);
  EXPECT_EQ(engineOf(*screen->webview())->loads().size(), 1u);
}

TEST(ProcessRecovery, ReloadsAgainOnlyOnceTenSecondsHavePassed) {
  using namespace std::chrono_literals;
  ProcessRecovery recovery;
  const ProcessRecovery::Clock::time_point start;
  EXPECT_TRUE(recovery.shouldReload(start));
  EXPECT_FALSE(recovery.shouldReload(start + 9999ms));
  EXPECT_TRUE(recovery.shouldReload(start + 10s));
  recovery.noteReload(start + 30s);
  EXPECT_FALSE(recovery.shouldReload(start + 31s));
}

TEST(PageFailureTexts, ChineseUnlessAnotherLanguageIsSetAndTheReasonInOneShortLine) {
  // 60 characters stay: "Error resolving “" is 17 of them.
  const std::string longText = "Error resolving “" + std::string(70, 'x') + "”";
  struct Row {
    const char* language;
    PageFailure failure;
    const char* message;
    std::string reason;
  };
  const Row rows[] = {
      {"zh", PageFailure::of(WebError::timedOut()), "页面加载失败", "服务器未及时响应"},
      {"", {Cause::pageMissing, "home"}, "页面加载失败", "找不到页面：home"},
      {"zh-Hans", {Cause::processEnded, ""}, "页面加载失败", "页面进程意外结束"},
      {"en", PageFailure::of({"WebKitNetworkError", 1, "Could not\nconnect"}), "This page could not be loaded.",
       "Could not connect"},
      {"en", PageFailure::of({"dom", 7, ""}), "This page could not be loaded.", "dom 7"},
      {"fr", PageFailure::of({"d", 2, longText}), "This page could not be loaded.", "Error resolving “" + std::string(43, 'x') + "…"},
      {"en", {Cause::pageMissing, "页"}, "This page could not be loaded.", "Page not found: 页"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.language + (" " + row.reason));
    const PageFailureTexts texts = pageFailureTexts(row.failure, row.language);
    EXPECT_EQ(texts.message, row.message);
    EXPECT_EQ(texts.reason, row.reason);
    EXPECT_EQ(texts.retry, std::string(row.message) == "页面加载失败" ? "重试" : "Retry");
  }
}

}  // namespace
}  // namespace zephro
