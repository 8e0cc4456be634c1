#include "zephro/platform/foundation/plain_value_codec.h"

#include <bit>
#include <chrono>
#include <cstdint>
#include <utility>

#include "zephro/platform/foundation/plain_value.h"

namespace zephro::platform::foundation {

namespace {

enum Tag : char {
  kNull = 'z',
  kTrue = 'T',
  kFalse = 'F',
  kInt64 = 'i',
  kUInt64 = 'u',
  kDouble = 'd',
  kString = 's',
  kNumber = 'N',
  kDate = 't',
  kData = 'b',
  kList = 'l',
  kMap = 'm',
};

class Encoder {
 public:
  bool encode(const std::any& value, std::size_t depth) {
    bool encoded = false;
    bool known = visitPlainValue(value, [&](const auto& v) { encoded = encodeKind(v, depth); });
    return known && encoded;
  }

  std::string bytes;

 private:
  bool encodeKind(Null, std::size_t) { return tag(kNull); }
  bool encodeKind(bool v, std::size_t) { return tag(v ? kTrue : kFalse); }
  bool encodeKind(std::int64_t v, std::size_t) { return tag(kInt64) && word(static_cast<std::uint64_t>(v)); }
  bool encodeKind(std::uint64_t v, std::size_t) { return tag(kUInt64) && word(v); }
  bool encodeKind(double v, std::size_t) { return tag(kDouble) && word(std::bit_cast<std::uint64_t>(v)); }
  bool encodeKind(const std::string& v, std::size_t) { return tag(kString) && text(v); }
  bool encodeKind(const Number& v, std::size_t) {
    tag(kNumber);
    bytes += v.typeCode();
    // Numbers made with another code (Number::withCode) carry a double.
    char code = v.typeCode();
    if (std::string_view("CSIQ").find(code) != std::string_view::npos) return word(v.unsignedLongLongValue());
    if (std::string_view("Bcsiq").find(code) != std::string_view::npos) {
      return word(static_cast<std::uint64_t>(v.longLongValue()));
    }
    return word(std::bit_cast<std::uint64_t>(v.doubleValue()));
  }
  bool encodeKind(const Date& v, std::size_t) {
    auto since1970 = std::chrono::duration_cast<std::chrono::nanoseconds>(v.time_since_epoch());
    return tag(kDate) && word(static_cast<std::uint64_t>(since1970.count()));
  }
  bool encodeKind(const Data& v, std::size_t) {
    return tag(kData) && text(std::string_view(reinterpret_cast<const char*>(v.data()), v.size()));
  }
  bool encodeKind(const PlainList& list, std::size_t depth) {
    if (depth >= kMaxPlainValueDepth) return false;
    tag(kList);
    word(list.size());
    for (const std::any& item : list) {
      if (!encode(item, depth + 1)) return false;
    }
    return true;
  }
  bool encodeKind(const PlainMap& map, std::size_t depth) {
    if (depth >= kMaxPlainValueDepth) return false;
    tag(kMap);
    word(map.size());
    for (const auto& [key, item] : map) {
      if (!text(key) || !encode(item, depth + 1)) return false;
    }
    return true;
  }

  bool tag(Tag t) {
    bytes += static_cast<char>(t);
    return true;
  }
  bool word(std::uint64_t v) {
    for (int shift = 0; shift < 64; shift += 8) bytes += static_cast<char>((v >> shift) & 0xFF);
    return true;
  }
  bool text(std::string_view v) {
    word(v.size());
    bytes += v;
    return true;
  }
};

// Reads defensively: the bytes come from a file that may have been damaged.
class Decoder {
 public:
  Decoder(std::string_view bytes, DateUnit dates) : bytes_(bytes), dates_(dates) {}

  std::optional<std::any> decode(std::size_t depth) {
    if (depth > kMaxPlainValueDepth || pos_ >= bytes_.size()) return std::nullopt;
    switch (bytes_[pos_++]) {
      case kNull: return std::any(Null{});
      case kTrue: return std::any(true);
      case kFalse: return std::any(false);
      case kInt64: return mapWord([](std::uint64_t v) { return std::any(static_cast<std::int64_t>(v)); });
      case kUInt64: return mapWord([](std::uint64_t v) { return std::any(v); });
      case kDouble: return mapWord([](std::uint64_t v) { return std::any(std::bit_cast<double>(v)); });
      case kDate: return mapWord([this](std::uint64_t v) { return std::any(dateOf(v)); });
      case kString: return mapText([](std::string_view v) { return std::any(std::string(v)); });
      case kData: return mapText([](std::string_view v) { return std::any(Data(v.begin(), v.end())); });
      case kNumber: return number();
      case kList: return list(depth);
      case kMap: return map(depth);
      default: return std::nullopt;
    }
  }

  bool atEnd() const { return pos_ == bytes_.size(); }

 private:
  Date dateOf(std::uint64_t count) const {
    auto signedCount = static_cast<std::int64_t>(count);
    if (dates_ == DateUnit::clockTicks) return Date(Date::duration(static_cast<Date::duration::rep>(signedCount)));
    return Date(std::chrono::duration_cast<Date::duration>(std::chrono::nanoseconds(signedCount)));
  }

  std::optional<std::uint64_t> word() {
    if (bytes_.size() - pos_ < 8) return std::nullopt;
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i) v = (v << 8) | static_cast<std::uint8_t>(bytes_[pos_ + static_cast<std::size_t>(i)]);
    pos_ += 8;
    return v;
  }
  std::optional<std::string_view> text() {
    auto size = word();
    if (!size || *size > bytes_.size() - pos_) return std::nullopt;
    std::string_view v = bytes_.substr(pos_, *size);
    pos_ += *size;
    return v;
  }
  template <typename F>
  std::optional<std::any> mapWord(F make) {
    auto v = word();
    return v ? std::optional<std::any>(make(*v)) : std::nullopt;
  }
  template <typename F>
  std::optional<std::any> mapText(F make) {
    auto v = text();
    return v ? std::optional<std::any>(make(*v)) : std::nullopt;
  }

  std::optional<std::any> number() {
    if (pos_ >= bytes_.size()) return std::nullopt;
    char code = bytes_[pos_++];
    auto v = word();
    if (!v) return std::nullopt;
    auto asDouble = std::bit_cast<double>(*v);
    auto asSigned = static_cast<std::int64_t>(*v);
    switch (code) {
      case 'B': return std::any(Number::ofBool(*v != 0));
      case 'c': return std::any(Number::ofInt8(static_cast<std::int8_t>(asSigned)));
      case 's': return std::any(Number::ofInt16(static_cast<std::int16_t>(asSigned)));
      case 'i': return std::any(Number::ofInt32(static_cast<std::int32_t>(asSigned)));
      case 'q': return std::any(Number::ofInt64(asSigned));
      case 'C': return std::any(Number::ofUInt8(static_cast<std::uint8_t>(*v)));
      case 'S': return std::any(Number::ofUInt16(static_cast<std::uint16_t>(*v)));
      case 'I': return std::any(Number::ofUInt32(static_cast<std::uint32_t>(*v)));
      case 'Q': return std::any(Number::ofUInt64(*v));
      case 'f': return std::any(Number::ofFloat(static_cast<float>(asDouble)));
      case 'd': return std::any(Number::ofDouble(asDouble));
      default: return std::any(Number::withCode(code, asDouble));
    }
  }
  // Elements of a list or map at `depth`. Absent for a container deeper than
  // the encoder writes (what is read must write back), or a count the input
  // cannot hold: every element takes at least one byte, so a damaged count
  // cannot make us reserve more than that.
  std::optional<std::uint64_t> elementCount(std::size_t depth) {
    auto count = word();
    if (depth >= kMaxPlainValueDepth || !count || *count > bytes_.size() - pos_) return std::nullopt;
    return count;
  }
  std::optional<std::any> list(std::size_t depth) {
    auto count = elementCount(depth);
    if (!count) return std::nullopt;
    PlainList items;
    items.reserve(*count);
    for (std::uint64_t i = 0; i < *count; ++i) {
      auto item = decode(depth + 1);
      if (!item) return std::nullopt;
      items.push_back(std::move(*item));
    }
    return std::any(std::move(items));
  }
  std::optional<std::any> map(std::size_t depth) {
    auto count = elementCount(depth);
    if (!count) return std::nullopt;
    PlainMap items;
    for (std::uint64_t i = 0; i < *count; ++i) {
      auto key = text();
      if (!key) return std::nullopt;
      auto item = decode(depth + 1);
      if (!item) return std::nullopt;
      items.insert_or_assign(std::string(*key), std::move(*item));
    }
    return std::any(std::move(items));
  }

  std::string_view bytes_;
  DateUnit dates_;
  std::size_t pos_ = 0;
};

}  // namespace

std::optional<std::string> encodePlainValue(const std::any& value) {
  Encoder encoder;
  if (!encoder.encode(value, 0)) return std::nullopt;
  return std::move(encoder.bytes);
}

std::optional<std::any> decodePlainValue(std::string_view bytes, DateUnit dates) {
  Decoder decoder(bytes, dates);
  auto value = decoder.decode(0);
  if (!value || !decoder.atEnd()) return std::nullopt;
  return value;
}

}  // namespace zephro::platform::foundation
