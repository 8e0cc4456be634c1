#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/gtk/support/main_loop_spin.h"

namespace zephro::testing::gtk {

// Base fixture of every test on real GTK: initialises GTK once per process
// and gives each test its own scratch directory, removed afterwards.
class GtkTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  void SetUp() override;
  void TearDown() override;

  const std::filesystem::path& scratch() const { return scratch_; }
  // Writes a file under the scratch directory (folders made as needed).
  std::filesystem::path writeFile(const std::string& relativePath, const std::string& content) const;

 private:
  std::filesystem::path scratch_;
};

}  // namespace zephro::testing::gtk
