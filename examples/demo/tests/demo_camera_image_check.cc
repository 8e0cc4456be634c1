// Runs the demo binary under the display it is given, with a page folder whose
// first page scans a QR code and a still image of one as the camera, once as
// PNG and once as JPEG, and waits for the scanned text to reach the page (the
// kit logs every page event it delivers). Usage: demo_camera_image_check DEMO
#include <gio/gio.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "capture_test_images.h"

namespace {

namespace fs = std::filesystem;

constexpr char kCodeText[] = "zephro-demo-scan";

// The first page asks for a scan and sends what it gets back as an event.
constexpr char kScanningPage[] = R"(<!doctype html><script>
const post = (scope, method, params, invokeId) =>
  window.webkit.messageHandlers.jsb.postMessage(JSON.stringify({scope, method, params, invokeId}));
window.__eventBus = {emit() {}};
window.__jsb = {onResponse(answer) {
  post('event_handler', 'forwardEvent', {eventName: 'scanned', eventData: String(answer.responseBody.value)});
}};
post('app', 'scanQR', {}, 1);
</script>)";

void writePages(const fs::path& folder) {
  fs::create_directories(folder / "login");
  std::ofstream(folder / "login" / "index.html") << kScanningPage;
}

void writeImage(const fs::path& file, const char* type) {
  GdkPixbuf* canvas = zephro::testing::gtk::drawCodes({kCodeText}, 640, 480);
  gdk_pixbuf_save(canvas, file.c_str(), type, nullptr, nullptr);
  g_object_unref(canvas);
}

// True once the demo logs the scanned text arriving at the page; the demo's
// own screenshot deadline ends it if that never happens. Ended by a signal,
// the demo removes its private files.
bool demoScans(const std::string& demo, const fs::path& work, const fs::path& image) {
  const std::string store = (work / (image.filename().string() + ".store")).string();
  const std::string pages = (work / "pages").string();
  const std::string shot = (work / "shot.png").string();
  const char* argv[] = {demo.c_str(), "--store", store.c_str(), "--pages", pages.c_str(), "--camera-image",
                        image.c_str(), "--screenshot", shot.c_str(), "--after", "60", nullptr};
  GError* error = nullptr;
  GSubprocess* process = g_subprocess_newv(argv, G_SUBPROCESS_FLAGS_STDERR_PIPE, &error);
  if (process == nullptr) {
    std::fprintf(stderr, "cannot run %s: %s\n", demo.c_str(), error->message);
    g_error_free(error);
    return false;
  }
  GDataInputStream* log = g_data_input_stream_new(g_subprocess_get_stderr_pipe(process));
  const std::string expected = std::string(", scanned, ") + kCodeText;
  bool scanned = false;
  while (!scanned) {
    gchar* line = g_data_input_stream_read_line_utf8(log, nullptr, nullptr, nullptr);
    if (line == nullptr) break;
    std::fprintf(stderr, "%s\n", line);
    scanned = std::string(line).find(expected) != std::string::npos;
    g_free(line);
  }
  g_subprocess_send_signal(process, SIGTERM);
  g_subprocess_wait(process, nullptr, nullptr);
  g_object_unref(log);
  g_object_unref(process);
  return scanned;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  char pattern[] = "/tmp/zephro-demo-scan-XXXXXX";
  const fs::path work = mkdtemp(pattern);
  writePages(work / "pages");
  int failures = 0;
  for (const char* type : {"png", "jpeg"}) {
    const fs::path image = work / (std::string("code.") + type);
    writeImage(image, type);
    const bool scanned = demoScans(argv[1], work, image);
    std::printf("%s: %s\n", type, scanned ? "scanned" : "NOT scanned");
    failures += scanned ? 0 : 1;
  }
  fs::remove_all(work);
  return failures == 0 ? 0 : 1;
}
