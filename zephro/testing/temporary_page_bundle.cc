#include "zephro/testing/temporary_page_bundle.h"

#include <fstream>

#include "zephro/platform/foundation/bundle.h"

namespace zephro::testing {

namespace {

void writeFile(const std::filesystem::path& file, const std::string& content) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file) << content;
}

}  // namespace

TemporaryPageBundle::TemporaryPageBundle(std::initializer_list<const char*> pages) {
  for (const char* page : pages) addPage(page);
  for (const char* icon : {"tab/home", "tab/smart", "tab/service", "tab/me"}) {
    addImage(icon);
    addImage(std::string(icon) + "_sel");
  }
  platform::foundation::Bundle::setKitBundlePath(path());
}

TemporaryPageBundle::~TemporaryPageBundle() { platform::foundation::Bundle::setKitBundlePath({}); }

void TemporaryPageBundle::addPage(const std::string& page, const std::string& bundlePath) const {
  writeFile(path() / bundlePath / page / "index.html", "<!doctype html><title>" + page + "</title>");
}

void TemporaryPageBundle::addImage(const std::string& name) const { writeFile(path() / (name + ".png"), "png"); }

}  // namespace zephro::testing
