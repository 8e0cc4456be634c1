#include "zephro/platform/foundation/json_text_reader.h"

#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "zephro/platform/foundation/json_event_reader.h"
#include "zephro/platform/foundation/kinds.h"

namespace zephro::platform::foundation {

namespace {

// Builds the plain value straight from the parser's events; the parser keeps
// its own explicit stack, so deep input cannot overflow ours.
class PlainValueBuilder {
 public:
  explicit PlainValueBuilder(std::size_t maxDepth) : maxDepth_(maxDepth) {}

  bool null() { return put(Null{}); }
  bool boolean(bool v) { return put(v); }
  bool number_integer(std::int64_t v) { return put(v); }
  bool number_unsigned(std::uint64_t v) {
    if (v <= static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
      return put(static_cast<std::int64_t>(v));
    }
    return put(v);
  }
  bool number_float(double v, const std::string&) { return put(v); }
  bool string(std::string& v) { return put(std::move(v)); }
  bool binary(std::vector<std::uint8_t>&) { return false; }
  bool start_object(std::size_t) { return open(true); }
  bool key(std::string& k) {
    open_.back().key = std::move(k);
    return true;
  }
  bool end_object() { return close(); }
  bool start_array(std::size_t) { return open(false); }
  bool end_array() { return close(); }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) {
    return false;
  }

  std::any take() { return std::move(root_); }

 private:
  struct Container {
    bool isMap;
    PlainList list;
    PlainMap map;
    std::string key;
  };

  bool put(std::any value) {
    if (open_.empty()) {
      root_ = std::move(value);
    } else if (Container& top = open_.back(); top.isMap) {
      top.map.insert_or_assign(std::move(top.key), std::move(value));
    } else {
      top.list.push_back(std::move(value));
    }
    return true;
  }
  bool open(bool isMap) {
    if (open_.size() >= maxDepth_) return false;
    open_.push_back(Container{isMap, {}, {}, {}});
    return true;
  }
  bool close() {
    Container done = std::move(open_.back());
    open_.pop_back();
    return done.isMap ? put(std::move(done.map)) : put(std::move(done.list));
  }

  std::size_t maxDepth_;
  std::vector<Container> open_;
  std::any root_;
};

}  // namespace

std::optional<std::any> readJsonText(std::string_view text, std::size_t maxDepth) {
  PlainValueBuilder builder(maxDepth);
  if (!readJsonEvents(text, builder)) return std::nullopt;
  return builder.take();
}

}  // namespace zephro::platform::foundation
