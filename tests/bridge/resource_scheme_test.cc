// "resource" URLs serve image files of the application's temporary directory.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "zephro/testing/scratch_directory.h"
#include "zephro/bridge/resource_scheme.h"
#include "zephro/bridge/web_view_provider.h"
#include "zephro/platform/foundation/application.h"
#include "zephro/platform/headless/headless_web_engine.h"

namespace zephro {
namespace {

using platform::headless::engineOf;
using platform::headless::HeadlessURLSchemeTask;

class ResourceSchemeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("TMPDIR", scratch.path().c_str(), 1);
    directory = platform::foundation::temporaryDirectory();
    ASSERT_FALSE(directory.empty());
  }
  void TearDown() override { unsetenv("TMPDIR"); }

  void writeFile(const std::filesystem::path& file, const std::string& bytes) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
  }
  std::shared_ptr<HeadlessURLSchemeTask> request(const std::string& url) {
    return engineOf(*webView)->runURLSchemeTask(*URL::parse(url));
  }

  testing::ScratchDirectory scratch;
  std::filesystem::path directory;
  std::shared_ptr<H5ContentWebView> webView = WebViewProvider::shared().createWebView();
};

TEST_F(ResourceSchemeTest, ServesTheFileTheHostNamesTypedByItsLowerCasedExtension) {
  writeFile(directory / "Photo.PNG", std::string("\x89PNG\0data", 9));
  auto task = request("resource://Photo.PNG/ignored/path?q=1#f");
  ASSERT_TRUE(task->response());
  EXPECT_EQ(task->response()->mimeType, "image/png");
  EXPECT_EQ(task->response()->expectedContentLength, 9);
  EXPECT_EQ(task->response()->textEncodingName, std::nullopt);
  EXPECT_EQ(task->response()->url.absoluteString(), "resource://Photo.PNG/ignored/path?q=1#f");
  EXPECT_EQ(task->data(), (Data{0x89, 'P', 'N', 'G', 0, 'd', 'a', 't', 'a'}));
  EXPECT_TRUE(task->isFinished());
  for (auto [name, mime] : {std::pair{"a.jpg", "image/jpeg"}, {"b.JPEG", "image/jpeg"}, {"png", "image/png"},
                            {"d.tar.Gif", "image/gif"}}) {
    writeFile(directory / name, "x");
    auto typed = request(std::string("resource://") + name);
    ASSERT_TRUE(typed->response()) << name;
    EXPECT_EQ(typed->response()->mimeType, mime);
  }
}

// Nothing else is served, and the host cannot lead out of the directory.
TEST_F(ResourceSchemeTest, EverythingElseFailsWith404) {
  for (const char* name : {"photo.webp", "photo", "photo.png.txt", "secret.png", "sub/x.png"}) {
    writeFile(directory / name, "x");
  }
  std::filesystem::create_directory(directory / "folder.png");
  writeFile(scratch / "outside.png", "x");
  for (const char* url : {"resource://photo.webp", "resource://photo", "resource://missing.png",
                          "resource://folder.png", "resource:///secret.png", "resource:secret.png",
                          "resource://..%2Foutside.png", "resource://sub%2Fx.png", "resource://%2E%2E",
                          "resource://x.png%00.png"}) {
    auto task = request(url);
    EXPECT_EQ(task->error(), (platform::web::WebError{"", 404})) << url;
    EXPECT_FALSE(task->response()) << url;
  }
  auto noURL = engineOf(*webView)->runURLSchemeTask("resource", platform::web::URLRequest{});
  EXPECT_EQ(noURL->error(), (platform::web::WebError{"", 404}));
  EXPECT_EQ(resourceFile(".", directory), std::nullopt);
  EXPECT_EQ(resourceFile("..png", directory), directory / "..png");
}

}  // namespace
}  // namespace zephro
