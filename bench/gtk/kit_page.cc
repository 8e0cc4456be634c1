#include "bench/gtk/kit_page.h"

#include <fstream>

#include "bench/gtk/kit_host.h"
#include "tests/gtk/support/webkit_view.h"
#include "zephro/platform/foundation/bundle.h"
#include "zephro/platform/foundation/user_defaults.h"
#include "zephro/sdk/login_info_store.h"

namespace zephro::bench::gtk {

std::unique_ptr<KitPage> showKitPage(const std::string& name, const std::string& html, const std::string& token) {
  auto page = std::make_unique<KitPage>();
  page->file = page->scratch / "dist" / name / "index.html";
  std::filesystem::create_directories(page->file.parent_path());
  std::ofstream(page->file) << html;
  platform::foundation::Bundle::setKitBundlePath(page->scratch.path());
  prepareKit(page->scratch / "user-defaults.sqlite3");
  platform::foundation::UserDefaults::standard().set(kLoginUserTokenKey, token);

  page->screen = H5ContentViewController::make(name, std::nullopt);
  page->window = platform::ui::Window::make();
  page->window->setRootViewController(page->screen);
  page->window->makeKeyAndVisible();
  page->view = testing::gtk::webKitViewOf(*page->screen->webview());
  return page;
}

}  // namespace zephro::bench::gtk
