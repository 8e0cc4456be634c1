// The interface of values that write themselves through an Encoder.
//
// Any type with a member `void encode(Encoder&) const` can be encoded (see
// zephro/json/encoder.h); deriving from Encodable is only needed to hold such
// a value type-erased, e.g. inside an AnyCodable as
// std::shared_ptr<const Encodable>.
#pragma once

namespace zephro {

class Encoder;

class Encodable {
 public:
  virtual ~Encodable() = default;
  virtual void encode(Encoder& encoder) const = 0;
};

}  // namespace zephro
