#include "zephro/bridge/plain_invoke_reader.h"

#include <cstdint>
#include <limits>
#include <type_traits>
#include <utility>

#include "zephro/json/plain_value_builder.h"
#include "zephro/platform/foundation/json_event_reader.h"

namespace zephro {

namespace {

// Reads a call from the parser's events as the tree gives it, for the kinds
// pages write: scope and method as text, invokeId as an Int, params as an
// object (built by the decoding ladder), each of them possibly null or
// missing; other members are passed over, and a later member of the same
// name wins, as in the tree. Any other kind stops the reader unsure: the
// tree decides those.
class InvokeReader {
 public:
  bool null() {
    if (inParams()) return params_->null();
    return field([](auto& value) {
      value.reset();
      return true;
    });
  }
  bool boolean(bool v) { return inParams() ? params_->boolean(v) : field(unsure); }
  bool number_integer(std::int64_t v) { return inParams() ? params_->number_integer(v) : integer(v); }
  bool number_unsigned(std::uint64_t v) {
    if (inParams()) return params_->number_unsigned(v);
    if (v > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) return field(unsure);
    return integer(static_cast<std::int64_t>(v));
  }
  bool number_float(double v, const std::string& text) {
    return inParams() ? params_->number_float(v, text) : field(unsure);
  }
  bool string(std::string& v) {
    if (inParams()) return params_->string(v);
    return field([&v](auto& value) {
      if constexpr (std::is_same_v<std::remove_cvref_t<decltype(value)>, std::optional<std::string>>) {
        value = std::move(v);
        return true;
      }
      return false;
    });
  }
  bool binary(nlohmann::json::binary_t&) { return false; }
  bool key(std::string& k) {
    if (inParams()) return params_->key(k);
    if (depth_ == 1) member_ = std::move(k);
    return true;
  }
  bool start_object(std::size_t size) {
    if (!inParams() && depth_ == 1 && member_ == "params") params_.emplace(/*depth=*/1);
    if (inParams()) {
      ++paramsDepth_;
      return params_->start_object(size);
    }
    return enter(depth_ == 0 || !atField());
  }
  bool start_array(std::size_t size) {
    if (inParams()) {
      ++paramsDepth_;
      return params_->start_array(size);
    }
    return enter(depth_ > 0 && !atField());
  }
  bool end_object() {
    if (inParams()) return params_->end_object() && leaveParams();
    return leave();
  }
  bool end_array() {
    if (inParams()) return params_->end_array() && leaveParams();
    return leave();
  }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) { return false; }

  // The call, once the whole text was read without doubt.
  std::optional<WebViewInvoke> result() { return read_ ? std::optional(std::move(invoke_)) : std::nullopt; }

 private:
  static constexpr auto unsure = [](auto&) { return false; };

  bool inParams() const { return params_.has_value(); }
  // At a member of the call itself (not one it ignores, nor inside one).
  bool atField() const {
    return depth_ == 1 && (member_ == "scope" || member_ == "method" || member_ == "invokeId" || member_ == "params");
  }
  // Applies `read` to the field the current member names; a scalar elsewhere
  // is passed over, and one at the root is not a call.
  template <class Read>
  bool field(Read read) {
    if (depth_ == 0) return false;
    if (!atField()) return true;
    if (member_ == "scope") return read(invoke_.scope);
    if (member_ == "method") return read(invoke_.method);
    if (member_ == "invokeId") return read(invoke_.invokeId);
    return read(invoke_.params);
  }
  bool integer(std::int64_t v) {
    return field([v](auto& value) {
      if constexpr (std::is_same_v<std::remove_cvref_t<decltype(value)>, std::optional<std::int64_t>>) {
        value = v;
        return true;
      }
      return false;
    });
  }
  bool enter(bool allowed) {
    if (allowed) ++depth_;
    return allowed;
  }
  bool leave() {
    read_ = --depth_ == 0;
    return true;
  }
  // Takes the params once their object closes.
  bool leaveParams() {
    if (--paramsDepth_ > 0) return true;
    if (params_->tooDeep()) return false;
    invoke_.params.emplace();
    for (auto& [key, value] : *std::any_cast<PlainMap>(&params_->result())) {
      invoke_.params->emplace(key, AnyCodable(std::move(value)));
    }
    params_.reset();
    return true;
  }

  WebViewInvoke invoke_;
  std::string member_;
  std::size_t depth_ = 0;  // containers open outside the params
  std::optional<PlainValueBuilder> params_;
  std::size_t paramsDepth_ = 0;  // containers open inside them
  bool read_ = false;
};

}  // namespace

std::optional<WebViewInvoke> readPlainInvoke(std::string_view text) {
  InvokeReader reader;
  if (!platform::foundation::readJsonEvents(text, reader)) return std::nullopt;
  return reader.result();
}

}  // namespace zephro
