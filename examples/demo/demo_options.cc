#include "demo_options.h"

#include <cstdlib>
#include <functional>
#include <map>

namespace zephro::demo {

namespace {

using Setter = std::function<bool(DemoOptions&, const std::string&)>;

Setter text(std::string DemoOptions::*field) {
  return [field](DemoOptions& o, const std::string& v) { o.*field = v; return true; };
}

Setter optionalText(std::optional<std::string> DemoOptions::*field) {
  return [field](DemoOptions& o, const std::string& v) { o.*field = v; return true; };
}

bool seconds(DemoOptions& o, const std::string& v) {
  char* end = nullptr;
  double value = std::strtod(v.c_str(), &end);
  if (end == v.c_str() || *end != '\0' || value < 0) return false;
  o.screenshotAfterSeconds = value;
  return true;
}

const std::map<std::string, bool DemoOptions::*>& flagOptions() {
  static const std::map<std::string, bool DemoOptions::*> flags = {
      {"--reset", &DemoOptions::reset},
      {"--no-debug-host", &DemoOptions::forgetDebugHost},
      {"--help", &DemoOptions::help},
      {"-h", &DemoOptions::help},
  };
  return flags;
}

const std::map<std::string, Setter>& valueOptions() {
  static const std::map<std::string, Setter> options = {
      {"--app-key", text(&DemoOptions::appKey)},
      {"--region", text(&DemoOptions::regionId)},
      {"--language", text(&DemoOptions::language)},
      {"--country-code", text(&DemoOptions::countryCode)},
      {"--base-url", text(&DemoOptions::baseURL)},
      {"--socket-url", optionalText(&DemoOptions::socketUrl)},
      {"--debug-host", optionalText(&DemoOptions::debugHost)},
      {"--pages", optionalText(&DemoOptions::pagesFolder)},
      {"--screenshot", optionalText(&DemoOptions::screenshot)},
      {"--after", seconds},
      {"--camera-image", optionalText(&DemoOptions::cameraImage)},
      {"--store", optionalText(&DemoOptions::storePath)},
  };
  return options;
}

}  // namespace

std::optional<DemoOptions> parseDemoOptions(int argc, char** argv, std::string& error) {
  DemoOptions options;
  for (int i = 1; i < argc; ++i) {
    std::string name = argv[i];
    if (auto flag = flagOptions().find(name); flag != flagOptions().end()) {
      options.*flag->second = true;
    } else if (auto setter = valueOptions().find(name); setter != valueOptions().end()) {
      if (i + 1 >= argc || !setter->second(options, argv[i + 1])) {
        error = "bad or missing value for " + name;
        return std::nullopt;
      }
      ++i;
    } else {
      error = "unknown option " + name;
      return std::nullopt;
    }
  }
  if (options.debugHost && options.forgetDebugHost) {
    error = "--debug-host and --no-debug-host exclude each other";
    return std::nullopt;
  }
  return options;
}

const char* demoUsage() {
  return "usage: zephro-demo [options]\n"
         "  --app-key KEY --region ID --language CODE --country-code N --base-url URL\n"
         "                        the cloud configuration handed to the kit\n"
         "  --socket-url ws://HOST:PORT/PATH\n"
         "                        connect a real WebSocket instead of the simulated cloud\n"
         "  --debug-host URL      load pages from a development server, now and in later runs\n"
         "  --no-debug-host       load pages from the page bundle again (stays logged in)\n"
         "  --pages DIR           show the page bundle in folder DIR for this run\n"
         "  --reset               clear the kit's stored data first (logs out)\n"
         "  --store FILE          keep the kit's stored data in FILE\n"
         "  --camera-image FILE   use a still image as the camera\n"
         "  --screenshot FILE [--after SECONDS]\n"
         "                        save a PNG of the window and exit\n";
}

}  // namespace zephro::demo
