// Where a value sits inside the structure being decoded or encoded.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zephro {

// One step of a coding path: a member key, or a list position (whose text is
// "Index <n>").
struct CodingKey {
  std::string stringValue;
  std::optional<std::size_t> intValue;

  static CodingKey index(std::size_t position);
  friend bool operator==(const CodingKey&, const CodingKey&) = default;
};

using CodingPath = std::vector<CodingKey>;

// Readable form for messages: `params.tags[1]`; the root is "".
std::string codingPathText(const CodingPath& path);

// A step of the path being walked, kept on the stack of the coding code and
// turned into a CodingPath only when someone asks (errors, codingPath()), so
// walking a large value costs no allocation per step.
class CodingPathLink {
 public:
  CodingPathLink(const CodingPathLink* parent, std::string_view key);
  CodingPathLink(const CodingPathLink* parent, std::size_t index);

  // Number of steps from the root, this one included.
  std::size_t depth() const { return depth_; }
  // The steps from the root to `link` (empty for a null link, the root).
  static CodingPath pathTo(const CodingPathLink* link);

 private:
  const CodingPathLink* parent_;
  std::string_view key_;
  std::optional<std::size_t> index_;
  std::size_t depth_;
};

// The step a nested container adds to its parent's path; owns its key text.
class OwnedCodingStep {
 public:
  OwnedCodingStep(const CodingPathLink* parent, std::string_view key)
      : key_(key), link_(parent, std::string_view(key_)) {}
  OwnedCodingStep(const CodingPathLink* parent, std::size_t index) : link_(parent, index) {}
  OwnedCodingStep(const OwnedCodingStep&) = delete;
  OwnedCodingStep& operator=(const OwnedCodingStep&) = delete;
  const CodingPathLink* link() const { return &link_; }

 private:
  std::string key_;
  CodingPathLink link_;
};

// Longest coding path that decoding and encoding accept (513 nested arrays
// at most); deeper input is refused with an error instead of exhausting the
// stack.
inline constexpr std::size_t maxCodingDepth = 512;

}  // namespace zephro
