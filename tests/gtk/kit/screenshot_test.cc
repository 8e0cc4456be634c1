// What the window shows, checked pixel by pixel: the sample login page and
// the tab bar's colours.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <set>

#include "tests/gtk/kit/kit_on_gtk.h"
#include "tests/gtk/support/widget_search.h"
#include "zephro/platform/gtk/window_peer.h"
#include "zephro/platform/gtk/window_snapshot.h"
#include "zephro/platform/ui/tab_bar.h"
#include "zephro/screens/zp_tabbar_view_controller.h"

namespace zephro::testing::gtk {
namespace {

struct Colour {
  int red, green, blue;
  bool near(Colour other, int tolerance) const {
    return std::abs(red - other.red) <= tolerance && std::abs(green - other.green) <= tolerance &&
           std::abs(blue - other.blue) <= tolerance;
  }
};

constexpr Colour kSelectedTint{0xFD, 0x7D, 0x28};
constexpr Colour kUnselectedTint{0x8B, 0x91, 0x96};
constexpr Colour kBarBackground{0xF6, 0xF6, 0xF6};
constexpr Colour kWhite{0xFF, 0xFF, 0xFF};

struct Area {
  int left, top, width, height;
};

// The window's pixels, opaque.
class Screenshot {
 public:
  explicit Screenshot(GdkTexture* texture)
      : width_(gdk_texture_get_width(texture)), height_(gdk_texture_get_height(texture)) {
    pixels_.resize(static_cast<std::size_t>(width_) * height_ * 4);
    gdk_texture_download(texture, pixels_.data(), static_cast<gsize>(width_) * 4);
  }
  int width() const { return width_; }
  int height() const { return height_; }
  Colour at(int x, int y) const {
    const guchar* pixel = &pixels_[(static_cast<std::size_t>(y) * width_ + x) * 4];  // B, G, R, A
    return {pixel[2], pixel[1], pixel[0]};
  }
  int count(Area area, Colour colour, int tolerance) const {
    int found = 0;
    for (int y = area.top; y < area.top + area.height; ++y) {
      for (int x = area.left; x < area.left + area.width; ++x) found += at(x, y).near(colour, tolerance);
    }
    return found;
  }
  std::size_t distinctColours() const {
    std::set<int> colours;
    for (int y = 0; y < height_; ++y) {
      for (int x = 0; x < width_; ++x) {
        Colour c = at(x, y);
        colours.insert(c.red << 16 | c.green << 8 | c.blue);
      }
    }
    return colours.size();
  }

 private:
  int width_, height_;
  std::vector<guchar> pixels_;
};

class ScreenshotOnGtkTest : public KitOnGtkTest {
 protected:
  // Empty while the window has nothing to render yet.
  std::optional<Screenshot> tryScreenshot() {
    spinFor(std::chrono::milliseconds(300));  // lets the web process paint
    auto texture = platform::gtk::renderWindow(platform::gtk::gtkWindowOf(*window));
    if (!texture) return std::nullopt;
    return Screenshot(texture.get());
  }
  // The first picture the window gives; empty when it never gives one.
  std::optional<Screenshot> screenshot() {
    std::optional<Screenshot> shot;
    spinUntil([&] { return (shot = tryScreenshot()).has_value(); });
    return shot;
  }
};

TEST_F(ScreenshotOnGtkTest, TheSampleLoginPageIsDrawn) {
  useSamplePages();
  ZephroSdk4TolmarRunner::openSdkHome(*host);
  auto login = topPage();
  ASSERT_TRUE(login && awaitLoaded(*login->webview()));
  ASSERT_TRUE(spinUntil([&] { return read(*login, "document.readyState") == "\"complete\""; }));

  // The web process paints in its own time after the load: wait for a frame with content.
  const auto drawn = [](const Screenshot& shot) {
    const int pixels = shot.width() * shot.height();
    return shot.distinctColours() > 16u &&
           pixels - shot.count({0, 0, shot.width(), shot.height()}, kWhite, 2) > pixels / 100;
  };
  EXPECT_TRUE(spinUntil(
      [&] {
        const auto shot = tryScreenshot();
        return shot && drawn(*shot);
      },
      std::chrono::seconds(10)));
}

TEST_F(ScreenshotOnGtkTest, TheTabBarHasItsColoursWhereTheyBelong) {
  auto tabs = openHomeAndReplaceWith<ZPTabbarViewController>("native/tabbar");
  ASSERT_TRUE(tabs);
  ASSERT_TRUE(spinUntil([&] { return isOnScreen(*tabs->tabBar()); }));
  const auto taken = screenshot();
  ASSERT_TRUE(taken);
  const Screenshot& shot = *taken;
  // The bar runs along the bottom of the window.
  const int barHeight = static_cast<int>(platform::ui::TabBar::height);
  Area bar{0, shot.height() - barHeight, shot.width(), barHeight};

  // A grey line on the top edge, then the bar's own colour.
  const Colour line = shot.at(bar.left + 2, bar.top);
  EXPECT_TRUE(line.near({line.red, line.red, line.red}, 0) && line.red < kBarBackground.red);
  EXPECT_TRUE(shot.at(bar.left + 2, bar.top + 1).near(kBarBackground, 1));
  EXPECT_TRUE(shot.at(bar.left + 2, bar.top + bar.height - 1).near(kBarBackground, 1));
  const int itemWidth = bar.width / 4;
  for (int item = 0; item < 4; ++item) {
    SCOPED_TRACE(item);
    Area area{bar.left + item * itemWidth, bar.top + 1, itemWidth, bar.height - 1};
    if (item == 0) {
      EXPECT_GT(shot.count(area, kSelectedTint, 40), 20);
    } else {
      EXPECT_EQ(shot.count(area, kSelectedTint, 40), 0);
      EXPECT_GT(shot.count(area, kUnselectedTint, 20), 20);
    }
  }
}

}  // namespace
}  // namespace zephro::testing::gtk
