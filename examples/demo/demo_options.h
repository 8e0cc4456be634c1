// Command-line options of the demo host.
#pragma once

#include <optional>
#include <string>

namespace zephro::demo {

struct DemoOptions {
  std::string appKey = "demo-app-key";
  std::string regionId = "CN";
  std::string language = "zh";
  std::string countryCode = "86";
  std::string baseURL = "https://cloud.example.invalid";
  std::optional<std::string> socketUrl;    // a real WebSocket instead of the simulated cloud
  std::optional<std::string> debugHost;    // pages from a development server, stored for later runs
  bool forgetDebugHost = false;            // back to the page bundle, still logged in
  std::optional<std::string> pagesFolder;  // a page bundle from a folder, for this run
  std::optional<std::string> screenshot;   // save a PNG of the window and exit
  double screenshotAfterSeconds = 4;
  std::optional<std::string> cameraImage;  // a still image used as the camera
  std::optional<std::string> storePath;    // the user-defaults file
  bool reset = false;                      // clear the store first
  bool help = false;
};

// Parses argv; on a bad option returns nothing and sets `error`.
std::optional<DemoOptions> parseDemoOptions(int argc, char** argv, std::string& error);

const char* demoUsage();

}  // namespace zephro::demo
