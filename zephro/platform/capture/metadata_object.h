#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>

namespace zephro::platform::capture {

enum class MetadataObjectType { qrCode, ean13, face };

// Something recognised in a captured frame.
class MetadataObject {
 public:
  explicit MetadataObject(MetadataObjectType type) : type_(type) {}
  virtual ~MetadataObject() = default;

  MetadataObjectType type() const { return type_; }

 private:
  MetadataObjectType type_;
};

// A decoded barcode; the text is absent when the payload is not text.
class MachineReadableCodeObject : public MetadataObject {
 public:
  MachineReadableCodeObject(MetadataObjectType type, std::optional<std::string> stringValue)
      : MetadataObject(type), stringValue_(std::move(stringValue)) {}

  static std::shared_ptr<MachineReadableCodeObject> make(MetadataObjectType type,
                                                         std::optional<std::string> stringValue) {
    return std::make_shared<MachineReadableCodeObject>(type, std::move(stringValue));
  }

  const std::optional<std::string>& stringValue() const { return stringValue_; }

 private:
  std::optional<std::string> stringValue_;
};

}  // namespace zephro::platform::capture
