// The two sides of a bridge benchmark, showing the same page:
//   ours: the page in the kit's page screen, answered by the kit's bridge
//         (web view provider, dispatch, the "app" scope reading the token from
//         the user-defaults store, the response script);
//   bare: the same page in a plain WebKitWebView of this process whose "jsb"
//         handler evaluates one answer script per message at once, with the
//         kit's answer text: what a hand-written WebKit bridge does. The view
//         is related to the kit's, so both pages run in the same web process:
//         which core a separate one lands on, next to which other load, would
//         swamp the difference.
#pragma once

#include <gtk/gtk.h>
#include <webkit/webkit.h>

#include <chrono>
#include <memory>
#include <string>

#include "zephro/testing/scratch_directory.h"
#include "zephro/h5/h5_content_view_controller.h"
#include "zephro/platform/ui/window.h"

namespace zephro::bench::gtk {

class BridgeSides {
 public:
  // Prepares the kit with `token` stored, writes `html` as the page
  // `pageName` of a bundle in `scratch`, and loads it on both sides, each in a
  // window of its own, hidden once loaded. Exits when a page does not load.
  BridgeSides(const testing::ScratchDirectory& scratch, const std::string& pageName, const std::string& html,
              const std::string& token);
  BridgeSides(const BridgeSides&) = delete;
  BridgeSides& operator=(const BridgeSides&) = delete;

  WebKitWebView* oursView() const;
  GtkWindow* oursWindow() const;
  WebKitWebView* bareView() const { return bareView_; }
  GtkWindow* bareWindow() const { return bareWindow_; }

 private:
  static void answer(WebKitUserContentManager* manager, JSCValue* body, gpointer self);

  std::shared_ptr<H5ContentViewController> screen_;
  std::shared_ptr<platform::ui::Window> window_;
  std::string answerPayload_;
  WebKitWebView* bareView_ = nullptr;
  GtkWindow* bareWindow_ = nullptr;
};

// Ends the benchmark program with `what` on standard error.
[[noreturn]] void failBenchmark(const std::string& what);

// One measured round of a side: shows `window` alone (the side being measured
// runs as the one focused window), lets it settle, evaluates `start` in
// `view`, spins until the page sets its title to `doneTitle` and hides the
// window again. False when the title did not come within `timeout`.
bool runShownRound(WebKitWebView* view, GtkWindow* window, const std::string& start, const std::string& doneTitle,
                   std::chrono::seconds timeout);

}  // namespace zephro::bench::gtk
