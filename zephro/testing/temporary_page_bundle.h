// A kit resource bundle in a scratch directory: page directories with an
// "index.html" under "dist", and tab icons.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>

#include "zephro/testing/scratch_directory.h"

namespace zephro::testing {

// While alive, the kit bundle is this directory; the default lookup comes
// back afterwards.
class TemporaryPageBundle {
 public:
  // The pages every kit test may open, the tab pages included.
  static constexpr std::initializer_list<const char*> kDefaultPages = {
      "login", "smarthome", "home", "register", "forgetpassword", "detail", "A", "B", "C", "a/b"};

  explicit TemporaryPageBundle(std::initializer_list<const char*> pages = kDefaultPages);
  ~TemporaryPageBundle();
  TemporaryPageBundle(const TemporaryPageBundle&) = delete;
  TemporaryPageBundle& operator=(const TemporaryPageBundle&) = delete;

  const std::filesystem::path& path() const { return directory_.path(); }
  // Adds "<bundlePath>/<page>/index.html".
  void addPage(const std::string& page, const std::string& bundlePath = "dist") const;
  // Adds "<name>.png" (an icon file; its content is never decoded here).
  void addImage(const std::string& name) const;

 private:
  ScratchDirectory directory_;
};

}  // namespace zephro::testing
