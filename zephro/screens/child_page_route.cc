#include "zephro/screens/child_page_route.h"

#include <string_view>
#include <vector>

#include "zephro/h5/h5_content_view_controller.h"
#include "zephro/screens/zp_error_view_controller.h"
#include "zephro/screens/zp_root_view_controller.h"
#include "zephro/screens/zp_tabbar_view_controller.h"

namespace zephro {

namespace {

constexpr std::string_view kNativePrefix = "native/";
constexpr std::string_view kTabbarScreen = "tabbar";

// The pieces between "/", empty ones dropped.
std::vector<std::string_view> pathPieces(std::string_view name) {
  std::vector<std::string_view> pieces;
  while (!name.empty()) {
    std::size_t end = name.find('/');
    std::string_view piece = name.substr(0, end);
    if (!piece.empty()) pieces.push_back(piece);
    if (end == std::string_view::npos) break;
    name.remove_prefix(end + 1);
  }
  return pieces;
}

std::shared_ptr<platform::ui::ViewController> makeNativeScreen(std::string_view pageName) {
  std::vector<std::string_view> pieces = pathPieces(pageName);
  if (pieces.size() >= 2 && pieces[1] == kTabbarScreen) return ZPTabbarViewController::make();
  return ZPErrorViewController::make(kUnsupportedPageMessage);
}

}  // namespace

std::shared_ptr<platform::ui::ViewController> makeChildScreen(const std::string& pageName) {
  if (pageName.rfind(kNativePrefix, 0) == 0) return makeNativeScreen(pageName);
  if (pageName.empty()) return ZPErrorViewController::make(kUnsupportedPageMessage);
  return H5ContentViewController::make(pageName, std::nullopt);
}

}  // namespace zephro
