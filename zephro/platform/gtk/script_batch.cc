#include "zephro/platform/gtk/script_batch.h"

namespace zephro::platform::gtk {
namespace {

constexpr char kOpen[] = "try{\n";
// The line break ends a line comment that closes the script.
constexpr char kClose[] = "\n}catch(e){}\n";

}  // namespace

std::string joinedScript(const std::vector<std::string>& scripts) {
  std::size_t size = 0;
  for (const std::string& script : scripts) size += script.size() + sizeof kOpen + sizeof kClose;
  std::string joined;
  joined.reserve(size);
  for (const std::string& script : scripts) {
    joined += kOpen;
    joined += script;
    joined += kClose;
  }
  return joined;
}

}  // namespace zephro::platform::gtk
