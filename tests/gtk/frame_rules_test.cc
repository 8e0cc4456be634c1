// Which frames the web-process extension takes the bridge from, without WebKit.
#include "zephro/platform/gtk/extension/frame_rules.h"

#include <gtest/gtest.h>

namespace zephro::platform::gtk::extension {
namespace {

TEST(FrameRulesTest, DocumentsWithoutAnAddressFollowTheirCreator) {
  const Ancestor bundlePage{"file:///bundle/a/index.html", true}, otherSite{"http://127.0.0.1:9/", false};
  EXPECT_FALSE(losesBridge("http://127.0.0.1:9/frame.html", {}, true));  // the user-script guards' business
  EXPECT_FALSE(losesBridge("about:blank", {bundlePage}, false));
  EXPECT_FALSE(losesBridge("", {{"about:srcdoc", false}, bundlePage}, false));
  EXPECT_TRUE(losesBridge("blob:null/1f0c", {otherSite, bundlePage}, false));
  EXPECT_TRUE(losesBridge("ABOUT:blank", {}, true));  // made by a frame of another origin
  EXPECT_FALSE(losesBridge("about:blank", {}, false));  // at the top
}

}  // namespace
}  // namespace zephro::platform::gtk::extension
