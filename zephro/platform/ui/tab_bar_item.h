#pragma once

#include <memory>
#include <string>

namespace zephro::platform::ui {

class Image;

// A tab's label and icons; either icon may be absent.
struct TabBarItem {
  std::string title;
  std::shared_ptr<Image> image;
  std::shared_ptr<Image> selectedImage;
};

}  // namespace zephro::platform::ui
