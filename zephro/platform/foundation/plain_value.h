// Telling plain values (zephro/platform/foundation/kinds.h) apart inside a std::any, with
// the narrower C++ number types folded into the kinds they are read back as.
#pragma once

#include <any>
#include <cstdint>
#include <string>
#include <typeinfo>

#include "zephro/platform/foundation/kinds.h"

namespace zephro::platform::foundation {

namespace plain_value_detail {

// Takes the held type once: asking a std::any for it costs a call.
template <typename Held, typename Visitor, typename Convert>
bool visitAs(const std::any& value, const std::type_info& type, Visitor& visitor, Convert convert) {
  if (type != typeid(Held)) return false;
  visitor(convert(*std::any_cast<Held>(&value)));
  return true;
}

struct Keep {
  template <typename T>
  const T& operator()(const T& v) const { return v; }
};

template <typename To>
struct Cast {
  template <typename T>
  To operator()(T v) const { return static_cast<To>(v); }
};

struct FromCString {
  std::string operator()(const char* v) const { return v ? v : ""; }
};

}  // namespace plain_value_detail

// Calls `visitor` with the value held by `value` as one of: Null, bool,
// std::int64_t, std::uint64_t, double, const std::string&, const Number&,
// const Date&, const Data&, const PlainList&, const PlainMap&. Narrower
// integers (and long long) come as std::int64_t / std::uint64_t, float as
// double, `const char*` as std::string. Returns false, without calling the
// visitor, for an empty value or any other type.
template <typename Visitor>
bool visitPlainValue(const std::any& value, Visitor&& visitor) {
  using namespace plain_value_detail;
  using Signed = Cast<std::int64_t>;
  using Unsigned = Cast<std::uint64_t>;
  const std::type_info& type = value.type();
  return visitAs<std::string>(value, type, visitor, Keep{}) ||
         visitAs<std::int64_t>(value, type, visitor, Keep{}) ||
         visitAs<PlainMap>(value, type, visitor, Keep{}) || visitAs<PlainList>(value, type, visitor, Keep{}) ||
         visitAs<bool>(value, type, visitor, Keep{}) || visitAs<double>(value, type, visitor, Keep{}) ||
         visitAs<Null>(value, type, visitor, Keep{}) ||
         visitAs<std::uint64_t>(value, type, visitor, Keep{}) ||
         visitAs<Number>(value, type, visitor, Keep{}) || visitAs<Date>(value, type, visitor, Keep{}) ||
         visitAs<Data>(value, type, visitor, Keep{}) || visitAs<int>(value, type, visitor, Signed{}) ||
         visitAs<long long>(value, type, visitor, Signed{}) || visitAs<short>(value, type, visitor, Signed{}) ||
         visitAs<signed char>(value, type, visitor, Signed{}) ||
         visitAs<unsigned long long>(value, type, visitor, Unsigned{}) ||
         visitAs<unsigned int>(value, type, visitor, Unsigned{}) ||
         visitAs<unsigned short>(value, type, visitor, Unsigned{}) ||
         visitAs<unsigned char>(value, type, visitor, Unsigned{}) ||
         visitAs<float>(value, type, visitor, Cast<double>{}) ||
         visitAs<const char*>(value, type, visitor, FromCString{});
}

}  // namespace zephro::platform::foundation
