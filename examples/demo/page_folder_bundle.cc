#include "page_folder_bundle.h"

#include <cstdlib>
#include <optional>
#include <system_error>

namespace zephro::demo {

namespace {

namespace fs = std::filesystem;

constexpr char kPageBundleName[] = "dist";

std::optional<fs::path> makePrivateDirectory(std::string& error) {
  std::error_code failure;
  std::string pattern = (fs::temp_directory_path(failure) / "zephro-demo-pages-XXXXXX").string();
  if (failure || mkdtemp(pattern.data()) == nullptr) {
    error = "cannot make a private resource bundle in the temporary folder";
    return std::nullopt;
  }
  return fs::path(pattern);
}

// Links `directory`/dist to `folder` and every other entry to the kit's.
bool linkBundle(const fs::path& directory, const fs::path& folder, const fs::path& kitBundle, std::string& error) {
  std::error_code failure;
  fs::create_directory_symlink(fs::absolute(folder), directory / kPageBundleName, failure);
  for (auto it = fs::directory_iterator(kitBundle, failure); !failure && it != fs::directory_iterator();
       it.increment(failure)) {
    const fs::path name = it->path().filename();
    if (name != kPageBundleName) fs::create_symlink(fs::absolute(it->path()), directory / name, failure);
  }
  if (failure) error = "cannot link the kit's resources: " + failure.message();
  return !failure;
}

}  // namespace

std::unique_ptr<PageFolderBundle> PageFolderBundle::make(const fs::path& folder, const fs::path& kitBundle,
                                                         std::string& error) {
  std::error_code failure;
  if (!fs::is_directory(folder, failure)) {
    error = "--pages: " + folder.string() + " is not a folder";
    return nullptr;
  }
  std::optional<fs::path> directory = makePrivateDirectory(error);
  if (!directory) return nullptr;
  std::unique_ptr<PageFolderBundle> bundle(new PageFolderBundle(*directory));
  if (!linkBundle(*directory, folder, kitBundle, error)) return nullptr;
  return bundle;
}

PageFolderBundle::~PageFolderBundle() {
  std::error_code ignored;
  fs::remove_all(directory_, ignored);
}

}  // namespace zephro::demo
