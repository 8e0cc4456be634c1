// The plain value kinds that travel through the kit as `std::any`.
//
// A value read from a page, stored in the user-defaults store and read again
// keeps its kind, because the JSON value types, the platform's JSON
// serialisation and the store all hand back the same C++ types:
//
//   null kind      zephro::Null
//   Bool           bool
//   Int / UInt     std::int64_t / std::uint64_t   (what decoding yields)
//   Double         double                         (what decoding yields)
//   String         std::string (UTF-8)
//   number object  zephro::Number
//   Date           zephro::Date
//   byte data      zephro::Data
//   plain list     zephro::PlainList
//   plain map      zephro::PlainMap
//
// The kit's JSON coding maps its values onto these; it documents the full
// table, fixed-width integers and wrapped collections included.
#pragma once

#include <any>
#include <chrono>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace zephro {

// The null kind: a JSON null, as opposed to an absent value (an empty std::any).
struct Null {
  friend bool operator==(Null, Null) { return true; }
};

using Date = std::chrono::system_clock::time_point;
using Data = std::vector<std::uint8_t>;
using PlainList = std::vector<std::any>;
using PlainMap = std::map<std::string, std::any>;

// A boxed number that remembers the C type it was made from, by a one-character
// type code: 'B' bool, 'c' signed char, 's' short, 'i' int, 'l' long (32-bit
// code), 'q' long long, 'C' 'S' 'I' 'L' 'Q' their unsigned twins, 'f' float,
// 'd' double.
class Number {
 public:
  static Number ofBool(bool v) { return Number('B', v ? 1 : 0, v ? 1u : 0u, v ? 1.0 : 0.0); }
  static Number ofInt8(std::int8_t v) { return signedOf('c', v); }
  static Number ofInt16(std::int16_t v) { return signedOf('s', v); }
  static Number ofInt32(std::int32_t v) { return signedOf('i', v); }
  static Number ofInt64(std::int64_t v) { return signedOf('q', v); }
  static Number ofUInt8(std::uint8_t v) { return unsignedOf('C', v); }
  static Number ofUInt16(std::uint16_t v) { return unsignedOf('S', v); }
  static Number ofUInt32(std::uint32_t v) { return unsignedOf('I', v); }
  static Number ofUInt64(std::uint64_t v) { return unsignedOf('Q', v); }
  static Number ofFloat(float v) { return floatingOf('f', v); }
  static Number ofDouble(double v) { return floatingOf('d', v); }
  // Any other code, for numbers of a C type the coding rules do not handle.
  static Number withCode(char code, double v) { return floatingOf(code, v); }

  // First character of the type encoding.
  char typeCode() const { return code_; }
  // True for the codes of floating types ('f', 'd').
  bool isFloating() const { return code_ == 'f' || code_ == 'd'; }
  bool isUnsigned() const { return code_ == 'C' || code_ == 'S' || code_ == 'I' || code_ == 'L' || code_ == 'Q'; }

  bool boolValue() const { return isFloating() ? d_ != 0 : i_ != 0; }
  std::int8_t charValue() const { return static_cast<std::int8_t>(i_); }
  std::int16_t shortValue() const { return static_cast<std::int16_t>(i_); }
  std::int32_t intValue() const { return static_cast<std::int32_t>(i_); }
  std::int64_t longLongValue() const { return i_; }
  std::uint8_t unsignedCharValue() const { return static_cast<std::uint8_t>(u_); }
  std::uint16_t unsignedShortValue() const { return static_cast<std::uint16_t>(u_); }
  std::uint32_t unsignedIntValue() const { return static_cast<std::uint32_t>(u_); }
  std::uint64_t unsignedLongLongValue() const { return u_; }
  float floatValue() const { return static_cast<float>(d_); }
  double doubleValue() const { return d_; }

  // Numeric equality across codes, as boxed numbers compare inside collections.
  friend bool operator==(const Number& a, const Number& b) {
    if (a.isFloating() || b.isFloating()) return a.d_ == b.d_;
    if (a.isUnsigned() != b.isUnsigned()) {
      const Number& s = a.isUnsigned() ? b : a;
      const Number& u = a.isUnsigned() ? a : b;
      return s.i_ >= 0 && static_cast<std::uint64_t>(s.i_) == u.u_;
    }
    return a.isUnsigned() ? a.u_ == b.u_ : a.i_ == b.i_;
  }

 private:
  Number(char code, std::int64_t i, std::uint64_t u, double d) : code_(code), i_(i), u_(u), d_(d) {}
  static Number signedOf(char code, std::int64_t v) {
    return Number(code, v, static_cast<std::uint64_t>(v), static_cast<double>(v));
  }
  static Number unsignedOf(char code, std::uint64_t v) {
    return Number(code, static_cast<std::int64_t>(v), v, static_cast<double>(v));
  }
  // Integer views of a floating value truncate; out-of-range values read as 0.
  static Number floatingOf(char code, double v) {
    bool fitsSigned = v > -9.2e18 && v < 9.2e18;
    bool fitsUnsigned = v > -1.0 && v < 1.8e19;
    return Number(code, fitsSigned ? static_cast<std::int64_t>(v) : 0,
                  fitsUnsigned ? static_cast<std::uint64_t>(v) : 0, v);
  }

  char code_;
  std::int64_t i_;
  std::uint64_t u_;
  double d_;
};

}  // namespace zephro
