// --pages DIR: a page author's folder shown as the page bundle, without a
// server and without touching the installed bundle.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace zephro::demo {

// A private resource bundle for this run: its page bundle ("dist") links to
// the author's folder, everything else (the tab icons) to the kit's own
// bundle. Pages are read in place, so a retry or a new run shows their edits.
class PageFolderBundle {
 public:
  // Null, with `error` set, when `folder` is not a folder or the private
  // bundle cannot be made. Call before the kit first looks for its bundle.
  static std::unique_ptr<PageFolderBundle> make(const std::filesystem::path& folder, std::string& error);
  // Restores the kit's own bundle and removes the private one (links only).
  ~PageFolderBundle();

  PageFolderBundle(const PageFolderBundle&) = delete;
  PageFolderBundle& operator=(const PageFolderBundle&) = delete;

 private:
  explicit PageFolderBundle(std::filesystem::path directory) : directory_(std::move(directory)) {}

  std::filesystem::path directory_;
};

}  // namespace zephro::demo
