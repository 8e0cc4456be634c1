#include "zephro/h5/page_path.h"

namespace zephro {

namespace {

std::string_view trimmedTrailingSlashes(std::string_view text) {
  while (text.size() > 1 && text.back() == '/') text.remove_suffix(1);
  return text;
}

std::string_view trimmedLeadingSlashes(std::string_view text) {
  while (!text.empty() && text.front() == '/') text.remove_prefix(1);
  return text;
}

}  // namespace

std::string appendingPathComponent(std::string_view base, std::string_view component) {
  std::string_view head = trimmedTrailingSlashes(base);
  std::string_view tail = trimmedTrailingSlashes(trimmedLeadingSlashes(component));
  if (tail.empty() || tail == "/") return std::string(head);
  if (head.empty()) return std::string(tail);
  std::string joined(head);
  if (joined.back() != '/') joined += '/';
  joined += tail;
  return joined;
}

bool climbsOutOfBundle(std::string_view page) {
  std::size_t start = 0;
  while (start <= page.size()) {
    std::size_t end = page.find('/', start);
    if (end == std::string_view::npos) end = page.size();
    if (page.substr(start, end - start) == "..") return true;
    start = end + 1;
  }
  return false;
}

}  // namespace zephro
