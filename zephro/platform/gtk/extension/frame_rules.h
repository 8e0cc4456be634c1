#pragma once

#include <string>
#include <vector>

// Which frames' documents the web-process extension takes the bridge from.
// Kept free of WebKit so that it can be tested in the UI process.
namespace zephro::platform::gtk::extension {

// An ancestor frame as a frame's new document sees it.
struct Ancestor {
  std::string address;
  bool hasBridge = false;  // its window still has window.webkit
};

// Whether a document at `address` takes its origin from its creator:
// about:blank, about:srcdoc, blob:, or no address yet.
bool inheritsOrigin(const std::string& address);

// Whether a frame's new document at `address` must lose window.webkit.
// Documents with an address of their own are left to the user-script guards
// (message_source_guards.h). One that inherits its origin runs no user
// scripts: it follows the nearest of `ancestors` (nearest first, as far as
// the document may read them) that has an address of its own. When the
// document meets an ancestor it may not read first (`endsAtOtherOrigin`),
// another origin made it and it loses the bridge; at the top it keeps it (the
// UI process judges the main frame's messages by its address).
bool losesBridge(const std::string& address, const std::vector<Ancestor>& ancestors, bool endsAtOtherOrigin);

}  // namespace zephro::platform::gtk::extension
