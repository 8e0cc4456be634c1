#pragma once

#include <webkit/webkit.h>

#include <cstdint>
#include <map>
#include <string>

#include "zephro/platform/gtk/callback_trampoline.h"

namespace zephro::platform::gtk {

// The directory each kit web view may read file:// resources from. The
// web-process extension enforces it; this side tells every web process of
// the context, and hands the whole table to web processes launched later, so
// a page keeps its root whichever process WebKit puts it in.
class ReadAccessRoots {
 public:
  explicit ReadAccessRoots(WebKitWebContext* context);
  ReadAccessRoots(const ReadAccessRoots&) = delete;
  ReadAccessRoots& operator=(const ReadAccessRoots&) = delete;

  // Call before the load that needs it: the message reaches the web process
  // ahead of the load on the same connection.
  void set(WebKitWebView* view, const std::string& root);
  void forget(std::uint64_t pageId);

 private:
  void announce(std::uint64_t pageId, const std::string& root);
  void handOverRoots();

  WebKitWebContext* context_;
  std::map<std::uint64_t, std::string> roots_;
  SignalConnection initializing_;
};

}  // namespace zephro::platform::gtk
