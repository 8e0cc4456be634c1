// A private scratch directory for tests that touch files.
#pragma once

#include <filesystem>

namespace zephro::testing {

// A new empty directory under $TMPDIR (or /tmp), removed with its contents.
class ScratchDirectory {
 public:
  ScratchDirectory();
  ~ScratchDirectory();
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

}  // namespace zephro::testing
