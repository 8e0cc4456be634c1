// Which frames the web-process extension takes the bridge from, without WebKit.

#include "zephro/platform/gtk/extension/frame_rules.h"

#include <gtest/gtest.h>

namespace zephro::platform::gtk::extension {
namespace {

struct FrameCase {
  const char* address;
  std::vector<Ancestor> ancestors;  // readable ones, nearest first
  bool endsAtOtherOrigin;
  bool losesBridge;
};

class FrameRulesTest : public ::testing::TestWithParam<FrameCase> {};

TEST_P(FrameRulesTest, DocumentsWithoutAnAddressFollowTheirCreator) {
  EXPECT_EQ(losesBridge(GetParam().address, GetParam().ancestors, GetParam().endsAtOtherOrigin),
            GetParam().losesBridge)
      << GetParam().address;
}

const Ancestor kBundlePage{"file:///bundle/a/index.html", true};
const Ancestor kOtherSite{"http://127.0.0.1:9/", false};

INSTANTIATE_TEST_SUITE_P(
    Frames, FrameRulesTest,
    ::testing::Values(FrameCase{"http://127.0.0.1:9/frame.html", {}, true, false},  // the guards' business
                      FrameCase{"about:blank", {kBundlePage}, false, false},
                      FrameCase{"", {{"about:srcdoc", false}, kBundlePage}, false, false},
                      FrameCase{"blob:null/1f0c", {kBundlePage}, false, false},
                      FrameCase{"about:blank", {kOtherSite, kBundlePage}, false, true},
                      FrameCase{"ABOUT:blank", {}, true, true},  // made by a frame of another origin
                      FrameCase{"about:blank", {}, false, false}));

}  // namespace
}  // namespace zephro::platform::gtk::extension
