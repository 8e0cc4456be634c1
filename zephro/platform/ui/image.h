#pragma once

#include <filesystem>
#include <memory>
#include <string_view>

namespace zephro::platform::ui {

enum class ImageRenderingMode {
  automatic,       // the context decides (tab bars tint their icons)
  alwaysOriginal,  // always drawn in its own colours
  alwaysTemplate,  // always drawn as a mask in the tint colour
};

// An image file from a bundle, with the pixel density it was made for.
class Image {
 public:
  Image(std::filesystem::path file, double scale, ImageRenderingMode mode = ImageRenderingMode::automatic);

  // Finds "<name>@<n>x.png" (the main screen's scale first, then the others,
  // larger first) or "<name>.png" in the kit's resource bundle; a name with
  // an extension is looked up with that extension. Absent when there is no
  // such file or the name leads outside the bundle.
  static std::shared_ptr<Image> named(std::string_view name);
  static std::shared_ptr<Image> named(std::string_view name, const std::filesystem::path& bundleDirectory);

  const std::filesystem::path& file() const { return file_; }
  double scale() const { return scale_; }
  ImageRenderingMode renderingMode() const { return mode_; }
  // The same picture drawn the given way.
  std::shared_ptr<Image> withRenderingMode(ImageRenderingMode mode) const;

 private:
  std::filesystem::path file_;
  double scale_;
  ImageRenderingMode mode_;
};

}  // namespace zephro::platform::ui
