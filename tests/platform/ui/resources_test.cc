#include <gtest/gtest.h>

#include <fstream>

#include "zephro/testing/scratch_directory.h"
#include "zephro/platform/ui/image.h"
#include "zephro/platform/ui/screen.h"

namespace zephro::platform::ui {
namespace {

class ImageTest : public ::testing::Test {
 protected:
  void SetUp() override { savedScale = Screen::main().scale(); }
  void TearDown() override { Screen::main().setScale(savedScale); }

  void touch(const std::string& name) {
    std::filesystem::create_directories((bundle / name).parent_path());
    std::ofstream(bundle / name) << "png";
  }

  zephro::testing::ScratchDirectory bundle;
  double savedScale = 2;
};

TEST_F(ImageTest, PrefersTheScreenScaleThenLargerVariants) {
  touch("tab/home.png");
  touch("tab/home@2x.png");
  touch("tab/home@3x.png");
  Screen::main().setScale(3);
  EXPECT_EQ(Image::named("tab/home", bundle.path())->file(), bundle / "tab/home@3x.png");
  Screen::main().setScale(2);
  auto image = Image::named("tab/home", bundle.path());
  EXPECT_EQ(image->file(), bundle / "tab/home@2x.png");
  EXPECT_EQ(image->scale(), 2);
  Screen::main().setScale(1);
  EXPECT_EQ(Image::named("tab/home", bundle.path())->scale(), 1);

  touch("only@3x.png");
  Screen::main().setScale(2);
  EXPECT_EQ(Image::named("only", bundle.path())->scale(), 3);
  touch("photo.jpg");
  EXPECT_EQ(Image::named("photo.jpg", bundle.path())->file(), bundle / "photo.jpg");
  Screen::main().setScale(0);  // refused: the scale stays positive
  EXPECT_EQ(Screen::main().scale(), 2);
}

TEST_F(ImageTest, MissingFilesAndNamesLeavingTheBundleGiveNoImage) {
  touch("inside.png");
  EXPECT_EQ(Image::named("tab/none", bundle.path()), nullptr);
  EXPECT_EQ(Image::named("", bundle.path()), nullptr);
  EXPECT_EQ(Image::named("../" + bundle.path().filename().string() + "/inside", bundle.path()), nullptr);
  EXPECT_EQ(Image::named((bundle / "inside").string(), bundle.path()), nullptr);
}

TEST(KitBundleImageTest, TabIconsShipWithTheKit) {
  EXPECT_NE(Image::named("tab/smart_sel"), nullptr);
}

}  // namespace
}  // namespace zephro::platform::ui
