// "resource" URLs serve image files of the application's temporary directory.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "tests/support/scratch_directory.h"
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

  void writeFile(const std::string& name, const std::string& bytes) {
    std::ofstream(directory / name, std::ios::binary) << bytes;
  }
  std::shared_ptr<HeadlessURLSchemeTask> request(const std::string& url) {
    std::optional<URL> parsed = URL::parse(url);
    EXPECT_TRUE(parsed) << url;
    return engineOf(*webView)->runURLSchemeTask(*parsed);
  }
  void expectNotFound(const std::string& url) {
    auto task = request(url);
    EXPECT_EQ(task->error(), (platform::web::WebError{"", 404})) << url;
    EXPECT_FALSE(task->response()) << url;
  }

  testing::ScratchDirectory scratch;
  std::filesystem::path directory;
  std::shared_ptr<H5ContentWebView> webView = WebViewProvider::shared().createWebView();
};

TEST_F(ResourceSchemeTest, ServesTheFileTheHostNamesByItsLowerCasedExtension) {
  writeFile("Photo.PNG", std::string("\x89PNG\0data", 9));
  auto task = request("resource://Photo.PNG/ignored/path?q=1#f");
  ASSERT_TRUE(task->response());
  EXPECT_EQ(task->response()->mimeType, "image/png");
  EXPECT_EQ(task->response()->expectedContentLength, 9);
  EXPECT_EQ(task->response()->textEncodingName, std::nullopt);
  EXPECT_EQ(task->response()->url.absoluteString(), "resource://Photo.PNG/ignored/path?q=1#f");
  EXPECT_EQ(task->data(), (Data{0x89, 'P', 'N', 'G', 0, 'd', 'a', 't', 'a'}));
  EXPECT_TRUE(task->isFinished());
}

TEST_F(ResourceSchemeTest, MimeTypesByExtension) {
  for (auto [name, mime] : {std::pair{"a.jpg", "image/jpeg"}, {"b.JPEG", "image/jpeg"}, {"c.gif", "image/gif"},
                            {"png", "image/png"}, {"d.tar.Gif", "image/gif"}}) {
    writeFile(name, "x");
    auto task = request(std::string("resource://") + name);
    ASSERT_TRUE(task->response()) << name;
    EXPECT_EQ(task->response()->mimeType, mime);
  }
}

TEST_F(ResourceSchemeTest, EverythingElseFailsWith404) {
  for (const char* name : {"photo.webp", "photo", "photo.png.txt"}) writeFile(name, "x");
  std::filesystem::create_directory(directory / "folder.png");
  writeFile("secret.png", "x");
  expectNotFound("resource://photo.webp");
  expectNotFound("resource://photo");
  expectNotFound("resource://missing.png");
  expectNotFound("resource://folder.png");
  expectNotFound("resource:///secret.png");
  expectNotFound("resource:secret.png");
  auto noURL = engineOf(*webView)->runURLSchemeTask("resource", platform::web::URLRequest{});
  EXPECT_EQ(noURL->error(), (platform::web::WebError{"", 404}));
}

// The host must name a plain file: no way out of the temporary directory.
TEST_F(ResourceSchemeTest, HostsThatDecodeToPathsFailWith404) {
  std::filesystem::create_directory(directory / "sub");
  std::ofstream(directory / "sub" / "x.png") << "x";
  std::ofstream(scratch / "outside.png") << "x";
  expectNotFound("resource://..%2Foutside.png");
  expectNotFound("resource://sub%2Fx.png");
  expectNotFound("resource://%2E%2E");
  expectNotFound("resource://x.png%00.png");
  EXPECT_EQ(resourceFile("..", directory), std::nullopt);
  EXPECT_EQ(resourceFile(".", directory), std::nullopt);
  EXPECT_EQ(resourceFile("", directory), std::nullopt);
  EXPECT_EQ(resourceFile(std::string_view("a\0.png", 6), directory), std::nullopt);
  EXPECT_EQ(resourceFile("..png", directory), directory / "..png");
}

}  // namespace
}  // namespace zephro
