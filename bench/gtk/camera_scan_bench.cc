// The QR scanner's camera pipeline at 1280x720 and 30 frames per second, with
// the preview showing in a window, against the same pipeline whose decoder is
// removed (a reader that answers at once without looking: the floor).
//   latency: from a frame entering the pipeline to the codes callback on the
//            main thread;
//   fps:     preview frames shown per second, sustained.
// The camera is a still image played as a live 30 fps source. Rounds of both
// alternate so that load from elsewhere on the machine hits both alike.
#include <gtk/gtk.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench_support.h"
#include "tests/gtk/capture/capture_test_images.h"
#include "zephro/platform/dispatch/main_loop.h"
#include "zephro/platform/gtk/capture/camera_pipeline.h"
#include "zephro/platform/gtk/capture/preview_feed.h"
#include "zephro/platform/gtk/glib_main_loop.h"

namespace {

using namespace zephro::platform::gtk;
using Clock = std::chrono::steady_clock;

constexpr int kFramesPerSecond = 30;
constexpr int kRounds = 5;
constexpr auto kRoundLength = std::chrono::seconds(4);
constexpr auto kWarmUp = std::chrono::milliseconds(500);

struct RoundResult {
  std::vector<double> latenciesMs;
  double previewFps = 0;
  double batchesPerSecond = 0;
  std::vector<double> readMs;  // time inside the reader, per frame
};

struct Totals {
  std::vector<double> latenciesMs;
  std::vector<double> previewFps;
  std::vector<double> batchesPerSecond;
  std::vector<double> readMs;

  void add(const RoundResult& round) {
    latenciesMs.insert(latenciesMs.end(), round.latenciesMs.begin(), round.latenciesMs.end());
    previewFps.push_back(round.previewFps);
    batchesPerSecond.push_back(round.batchesPerSecond);
    readMs.insert(readMs.end(), round.readMs.begin(), round.readMs.end());
  }
};

double percentile(std::vector<double> values, double fraction) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[std::min(values.size() - 1, static_cast<std::size_t>(fraction * values.size()))];
}

void spinFor(Clock::duration duration) {
  const auto deadline = Clock::now() + duration;
  const guint ticker = g_timeout_add(5, [](gpointer) { return gboolean(G_SOURCE_CONTINUE); }, nullptr);
  while (Clock::now() < deadline) g_main_context_iteration(nullptr, TRUE);
  g_source_remove(ticker);
}

double millisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

RoundResult runRound(const std::string& camera, CodeReader reader, const std::shared_ptr<PreviewFeed>& feed) {
  RoundResult result;
  // Set on the main thread, read on the decoding thread; the timings are
  // looked at only once the pipeline has stopped that thread.
  std::atomic<bool> measuring = false;
  CameraPipelineOptions options;
  options.codeReader = [&result, &measuring, reader = std::move(reader)](const VideoFrame& frame) {
    const auto start = Clock::now();
    auto codes = reader(frame);
    if (measuring) result.readMs.push_back(millisecondsSince(start));
    return codes;
  };
  std::string error;
  auto pipeline = CameraPipeline::make(CameraSource::fromDescription(camera), options, error);
  if (!pipeline) {
    std::fprintf(stderr, "camera: %s\n", error.c_str());
    std::exit(1);
  }
  int previews = 0;
  int batches = 0;
  pipeline->setPreviewHandler([&](VideoFrame frame) {
    feed->show(std::move(frame));
    if (measuring) ++previews;
  });
  pipeline->setCodesHandler([&](const CodeBatch& batch) {
    const auto now = pipeline->runningTime();
    if (!measuring || !now || !batch.frameTimestamp) return;
    ++batches;
    result.latenciesMs.push_back(static_cast<double>(*now - *batch.frameTimestamp) / 1e6);
  });
  if (!pipeline->start(error)) {
    std::fprintf(stderr, "camera: %s\n", error.c_str());
    std::exit(1);
  }
  spinFor(kWarmUp);
  measuring = true;
  const auto start = Clock::now();
  spinFor(kRoundLength);
  const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  measuring = false;
  pipeline->stop();
  result.previewFps = previews / seconds;
  result.batchesPerSecond = batches / seconds;
  return result;
}

GtkWidget* showPreviewWindow() {
  GtkWidget* window = gtk_window_new();
  gtk_window_set_default_size(GTK_WINDOW(window), 640, 360);
  GtkWidget* picture = gtk_picture_new();
  gtk_picture_set_can_shrink(GTK_PICTURE(picture), TRUE);
  gtk_picture_set_content_fit(GTK_PICTURE(picture), GTK_CONTENT_FIT_COVER);
  gtk_window_set_child(GTK_WINDOW(window), picture);
  gtk_window_present(GTK_WINDOW(window));
  return picture;
}

void printRow(const char* name, const Totals& totals) {
  std::printf("%-6s latency median %6.2f ms  p99 %6.2f ms | preview %5.1f fps | codes %5.1f /s | read median %5.2f ms p99 %5.2f ms\n",
              name, percentile(totals.latenciesMs, 0.5), percentile(totals.latenciesMs, 0.99),
              percentile(totals.previewFps, 0.5), percentile(totals.batchesPerSecond, 0.5),
              percentile(totals.readMs, 0.5), percentile(totals.readMs, 0.99));
}

}  // namespace

int main() {
  if (!gtk_init_check()) {
    std::fprintf(stderr, "no display: run under xvfb-run\n");
    return 1;
  }
  zephro::platform::dispatch::setMainLoop(GlibMainLoop::make());
  const auto directory = std::filesystem::temp_directory_path() / "zephro-camera-bench";
  std::filesystem::create_directories(directory);
  const auto image = zephro::testing::gtk::writeCodesPng(directory / "qr.png", {"https://example.com/scan?id=42"});
  const std::string camera = zephro::testing::gtk::stillCameraDescription(image, kFramesPerSecond);

  GtkWidget* picture = showPreviewWindow();
  auto feed = std::make_shared<PreviewFeed>();
  feed->addViewer([picture](GdkTexture* frame) {
    gtk_picture_set_paintable(GTK_PICTURE(picture), GDK_PAINTABLE(frame));
    return true;
  });

  const CodeReader floorReader = [](const VideoFrame&) { return std::vector<DecodedCode>{{"floor"}}; };
  Totals ours;
  Totals floor;
  for (int round = 0; round < kRounds; ++round) {
    ours.add(runRound(camera, readQrCodes, feed));
    floor.add(runRound(camera, floorReader, feed));
  }
  std::filesystem::remove_all(directory);

  std::printf("camera 1280x720 at %d fps, preview shown, %d rounds of %lld s each\n", kFramesPerSecond, kRounds,
              static_cast<long long>(kRoundLength.count()));
  printRow("ours", ours);
  printRow("floor", floor);
  zephro::bench::printRatio("camera_latency",
                            percentile(ours.latenciesMs, 0.5) / percentile(floor.latenciesMs, 0.5));
  zephro::bench::printRatio("camera_fps", percentile(ours.previewFps, 0.5) / percentile(floor.previewFps, 0.5));
  return 0;
}
