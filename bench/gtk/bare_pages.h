// The floor the kit's screens are measured against: plain WebKit views on the
// sample bundle's pages, stacked in a GtkStack of a plain window, sliding in
// and out as long as the kit's transitions. All share one web process.
#pragma once

#include <gtk/gtk.h>
#include <webkit/webkit.h>

#include <string>

namespace zephro::bench::gtk {

class BarePages {
 public:
  BarePages();
  BarePages(const BarePages&) = delete;
  BarePages& operator=(const BarePages&) = delete;

  // Shows the sample page `page` in a new view above the others and waits
  // for it to load; null when it did not.
  WebKitWebView* push(const std::string& page, bool animated);
  // Reveals the view below the top one and drops the top one once the
  // transition has ended. Needs two views at least.
  void pop(bool animated);

 private:
  GtkStack* stack_;
};

}  // namespace zephro::bench::gtk
