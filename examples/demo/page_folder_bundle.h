// --pages DIR: a page author's folder shown as the page bundle, without a
// server and without touching the installed bundle.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace zephro::demo {

// A private resource bundle for this run: its page bundle ("dist") links to
// the author's folder, everything else (the tab icons) to the kit's bundle.
// Pages are read in place, so a retry or a new run shows their edits.
class PageFolderBundle {
 public:
  // Null, with `error` set, when `folder` is not a folder or the private
  // bundle cannot be made.
  static std::unique_ptr<PageFolderBundle> make(const std::filesystem::path& folder,
                                                const std::filesystem::path& kitBundle, std::string& error);
  // Removes the private bundle (links only, never what they point to).
  ~PageFolderBundle();

  // What to install as the kit's resource bundle.
  const std::filesystem::path& directory() const { return directory_; }

  PageFolderBundle(const PageFolderBundle&) = delete;
  PageFolderBundle& operator=(const PageFolderBundle&) = delete;

 private:
  explicit PageFolderBundle(std::filesystem::path directory) : directory_(std::move(directory)) {}

  std::filesystem::path directory_;
};

}  // namespace zephro::demo
