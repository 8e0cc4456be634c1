#include "tests/gtk/support/gtk_fixture.h"

#include <gtk/gtk.h>

#include <unistd.h>

#include <fstream>

// GTK, GLib and fontconfig keep process-lifetime allocations that the leak
// checker would report at exit. The address sanitizer asks for this function
// when it is linked in; without it nothing calls it.
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }

namespace zephro::testing::gtk {

void GtkTest::SetUpTestSuite() {
  // No accessibility bus under Xvfb: without this GTK warns on every start.
  g_setenv("GTK_A11Y", "none", FALSE);
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
