#include "tests/gtk/support/gtk_fixture.h"

#include <gtk/gtk.h>

#include <unistd.h>

#include <fstream>

namespace zephro::testing::gtk {

void GtkTest::SetUpTestSuite() {
  ASSERT_TRUE(gtk_init_check()) << "no display: run the GTK tests under xvfb-run";
}

void GtkTest::SetUp() {
  const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
  std::string name = std::string(info->test_suite_name()) + "." + info->name();
  for (auto& c : name) {
    if (c == '/') c = '_';
  }
  scratch_ = std::filesystem::temp_directory_path() / ("zephro-gtk-test-" + std::to_string(getpid())) / name;
  std::filesystem::remove_all(scratch_);
  std::filesystem::create_directories(scratch_);
}

void GtkTest::TearDown() { std::filesystem::remove_all(scratch_.parent_path()); }

std::filesystem::path GtkTest::writeFile(const std::string& relativePath, const std::string& content) const {
  const auto path = scratch_ / relativePath;
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << content;
  return path;
}

}  // namespace zephro::testing::gtk
