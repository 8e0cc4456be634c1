#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <functional>

#include "zephro/testing/scratch_directory.h"
#include "zephro/platform/foundation/application.h"
#include "zephro/platform/foundation/bundle.h"

namespace zephro::platform::foundation {
namespace {

mode_t modeOf(const std::filesystem::path& path) {
  struct stat info {};
  lstat(path.c_str(), &info);
  return info.st_mode & 07777;
}

TEST(ApplicationId, DefaultsToTheProgramNameAndRefusesBadNames) {
  EXPECT_EQ(applicationId(), "zephro_platform_foundation_tests");
  using namespace std::string_view_literals;
  for (std::string_view bad : {""sv, "."sv, ".."sv, "a/b"sv, "a\0b"sv}) {
    EXPECT_FALSE(setApplicationId(bad));
  }
  EXPECT_EQ(applicationId(), "zephro_platform_foundation_tests");
}

class TemporaryDirectoryTest : public ::testing::Test {
 protected:
  void SetUp() override { setenv("TMPDIR", scratch_.path().c_str(), 1); }
  void TearDown() override { unsetenv("TMPDIR"); }
  std::filesystem::path expected() const { return scratch_ / applicationId(); }

  testing::ScratchDirectory scratch_;
};

TEST_F(TemporaryDirectoryTest, IsPrivateEvenWhenFoundReadableOrRemoved) {
  mkdir(expected().c_str(), 0755);
  chmod(expected().c_str(), 0755);
  EXPECT_EQ(temporaryDirectory(), expected());
  EXPECT_EQ(modeOf(expected()), 0700u);
  std::filesystem::remove(expected());
  EXPECT_EQ(temporaryDirectory(), expected());
  EXPECT_EQ(modeOf(expected()), 0700u);
}

TEST_F(TemporaryDirectoryTest, UntrustworthyNameIsAvoided) {
  testing::ScratchDirectory elsewhere;
  const std::function<void()> plants[] = {
      [&] {  // a directory others may write to
        mkdir(expected().c_str(), 0777);
        chmod(expected().c_str(), 0777);
      },
      [&] { std::filesystem::create_directory_symlink(elsewhere.path(), expected()); },
      [&] { std::ofstream(expected()) << "x"; },
  };
  for (const auto& plant : plants) {
    std::filesystem::remove_all(expected());
    plant();
    std::filesystem::path chosen = temporaryDirectory();
    EXPECT_NE(chosen, expected());
    EXPECT_EQ(chosen.parent_path(), scratch_.path());
    EXPECT_EQ(modeOf(chosen), 0700u);
    EXPECT_EQ(temporaryDirectory(), chosen) << "keeps the fresh directory once made";
    std::filesystem::remove_all(chosen);
  }
}

TEST(KitBundle, FindsResourcesWhereTheHostPoints) {
  testing::ScratchDirectory fromHost;
  std::filesystem::create_directories(fromHost / "tab");
  std::ofstream(fromHost / "tab/home.png") << "png";
  Bundle::setKitBundlePath(fromHost.path());
  EXPECT_EQ(Bundle::kit().bundleURL(), URL::fileURL(fromHost.path(), true));
  EXPECT_EQ(Bundle::kit().urlForResource("home", "png", "tab"), URL::fileURL(fromHost / "tab/home.png"));
  EXPECT_EQ(Bundle::kit().urlForResource("tab", ""), URL::fileURL(fromHost / "tab", true));
  EXPECT_EQ(Bundle::kit().urlForResource("home", "jpg", "tab"), std::nullopt);
  Bundle::setKitBundlePath({});
}

// Unpointed, the kit reads the data installed beside its libraries, wherever
// the install is; the build tree is laid out as one.
TEST(KitBundle, DefaultsToTheDataBesideTheKitLibraries) {
  if (!ZEPHRO_SHARED_LIBS) GTEST_SKIP() << "linked statically, the kit's data lies beside the program";
  EXPECT_EQ(std::filesystem::weakly_canonical(Bundle::kit().bundlePath()),
            std::filesystem::weakly_canonical(ZEPHRO_BUILD_BUNDLE_DIR));
}

}  // namespace
}  // namespace zephro::platform::foundation
