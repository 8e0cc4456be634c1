#include "zephro/platform/ui/image.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

#include "zephro/platform/foundation/bundle.h"
#include "zephro/platform/ui/screen.h"

namespace zephro::platform::ui {

namespace {
namespace fs = std::filesystem;

constexpr int largestScale = 3;

// Screen scale first, then the others from the largest down.
std::vector<int> scalesToTry() {
  const int preferred = std::clamp(static_cast<int>(std::lround(Screen::main().scale())), 1, largestScale);
  std::vector<int> scales{preferred};
  for (int scale = largestScale; scale >= 1; --scale) {
    if (scale != preferred) scales.push_back(scale);
  }
  return scales;
}

// Only plain relative names: no root, no "..", nothing that leaves the bundle.
bool staysInside(const fs::path& name) {
  if (name.empty() || name.has_root_path()) return false;
  return std::none_of(name.begin(), name.end(), [](const fs::path& part) { return part == ".."; });
}

bool isFile(const fs::path& path) {
  std::error_code error;
  return fs::is_regular_file(path, error);
}
}  // namespace

Image::Image(fs::path file, double scale, ImageRenderingMode mode)
    : file_(std::move(file)), scale_(scale), mode_(mode) {}

std::shared_ptr<Image> Image::named(std::string_view name) {
  return named(name, foundation::Bundle::kit().bundlePath());
}

std::shared_ptr<Image> Image::named(std::string_view name, const fs::path& bundleDirectory) {
  const fs::path relative{std::string(name)};
  if (!staysInside(relative)) return nullptr;
  const std::string extension = relative.has_extension() ? relative.extension().string() : ".png";
  const fs::path base = bundleDirectory / relative.parent_path() / relative.stem();
  for (int scale : scalesToTry()) {
    const std::string suffix = scale == 1 ? std::string() : "@" + std::to_string(scale) + "x";
    fs::path candidate = base;
    candidate += suffix + extension;
    if (isFile(candidate)) return std::make_shared<Image>(candidate, scale);
  }
  return nullptr;
}

std::shared_ptr<Image> Image::withRenderingMode(ImageRenderingMode mode) const {
  return std::make_shared<Image>(file_, scale_, mode);
}

}  // namespace zephro::platform::ui
