#include "tests/gtk/kit/kit_on_gtk.h"

#include "zephro/platform/gtk/window_peer.h"
#include "zephro/testing/kit_reset.h"
#include "zephro/testing/kit_screens.h"

namespace zephro::testing::gtk {

namespace fs = std::filesystem;
namespace ui = platform::ui;

namespace {

// The pages the kit opens by itself (root, tab bar) and those tests push.
constexpr const char* kProbePages[] = {"login", "smarthome", "home",           "register", "forgetpassword",
                                       "detail", "A",        "network-zigbee", "B"};

std::string quoted(const std::string& text) { return "'" + text + "'"; }

}  // namespace

KitOnGtkTest::KitOnGtkTest() {
  const fs::path dist = bundle.path() / "dist";
  fs::create_directories(dist / "shared");
  fs::copy_file(sourceDirectory() / "examples/dist/shared/bridge.js", dist / "shared/bridge.js");
  fs::copy_file(sourceDirectory() / "tests/gtk/kit/probe/probe.js", dist / "shared/probe.js");
  fs::copy(sourceDirectory() / "resources/bundle/tab", bundle.path() / "tab",
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  for (const char* page : kProbePages) addProbePage(page);

  resetKit();
  ZephroSdk4TolmarRunner::setSocketManager(socket);
  ZephroSdk4TolmarRunner::prepare();
  window->setRootViewController(navigation);
  window->makeKeyAndVisible();
  spinUntil([this] { return gtk_widget_get_mapped(GTK_WIDGET(platform::gtk::gtkWindowOf(*window))); });
  socket->log().clear();
}

KitOnGtkTest::~KitOnGtkTest() {
  window->setRootViewController(nullptr);
  window.reset();
  ZephroSdk4TolmarRunner::cloudConfig() = savedConfig_;
  resetKit();
  // Lets WebKit finish tearing the views down before the next test.
  spinFor(std::chrono::milliseconds(50));
}

void KitOnGtkTest::addProbePage(const std::string& name) const {
  const fs::path folder = bundle.path() / "dist" / name;
  fs::create_directories(folder);
  fs::copy_file(sourceDirectory() / "tests/gtk/kit/probe/index.html", folder / "index.html",
                fs::copy_options::overwrite_existing);
}

void KitOnGtkTest::useSamplePages() const {
  fs::copy(sourceDirectory() / "examples/dist", bundle.path() / "dist",
           fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

std::shared_ptr<ZPRootViewController> KitOnGtkTest::openHome() {
  ZephroSdk4TolmarRunner::openSdkHome(*host);
  auto root = std::dynamic_pointer_cast<ZPRootViewController>(navigation->topViewController());
  if (auto page = topPage()) {
    EXPECT_TRUE(awaitProbe(*page)) << "the home page did not load";
  }
  return root;
}

std::shared_ptr<H5ContentViewController> KitOnGtkTest::topPage() const { return topPageOf(*navigation); }

std::vector<std::string> KitOnGtkTest::stackNames() const { return stackNamesOf(*navigation, host); }

bool KitOnGtkTest::awaitProbe(Page& page) {
  return awaitLoaded(*page.webview()) &&
         spinUntil([&page] { return read(page, "typeof window.probe") == "\"object\""; });
}

std::string KitOnGtkTest::read(Page& page, const std::string& expression) {
  return evaluateToJson(*page.webview(), expression);
}

std::string KitOnGtkTest::sendCall(Page& page, const std::string& scope, const std::string& method,
                                   const std::string& paramsJson) {
  std::string key = quoted("call" + std::to_string(nextCallKey_++));
  read(page, "probe.call(" + key + ", " + quoted(scope) + ", " + quoted(method) + ", " + paramsJson + ")");
  return key;
}

nlohmann::json KitOnGtkTest::readJson(Page& page, const std::string& expression) {
  return nlohmann::json::parse(read(page, expression), nullptr, false);
}

nlohmann::json KitOnGtkTest::call(Page& page, const std::string& scope, const std::string& method,
                                  const std::string& paramsJson) {
  std::string key = sendCall(page, scope, method, paramsJson);
  std::string answered = "probe.answers[" + key + "] !== undefined";
  if (!spinUntil([&] { return read(page, answered) == "true"; }, std::chrono::seconds(5))) {
    return nlohmann::json::value_t::discarded;
  }
  return readJson(page, "probe.answers[" + key + "]");
}

bool KitOnGtkTest::callIsSilent(Page& page, const std::string& scope, const std::string& method,
                                const std::string& paramsJson) {
  // Answers are evaluated in the order the calls arrived: once the later call
  // is answered, an answer to the first would have come already.
  std::string key = sendCall(page, scope, method, paramsJson);
  return !call(page, "app", "getToken").is_discarded() && read(page, "probe.answers[" + key + "] === undefined") == "true";
}

void KitOnGtkTest::send(Page& page, const std::string& scope, const std::string& method,
                        const std::string& paramsJson) {
  read(page, "probe.send(" + quoted(scope) + ", " + quoted(method) + ", " + paramsJson + ")");
}

}  // namespace zephro::testing::gtk
