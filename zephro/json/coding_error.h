// The two errors of the coding layer: the only exceptions that cross the
// kit's operations.
#pragma once

#include <any>
#include <exception>
#include <string>

#include "zephro/json/coding_path.h"

namespace zephro {

struct CodingErrorContext {
  CodingPath codingPath;
  std::string debugDescription;
};

class DecodingError : public std::exception {
 public:
  enum class Kind {
    typeMismatch,   // the value is of another JSON type than the one asked for
    valueNotFound,  // a required value is null
    keyNotFound,    // a required key is missing
    dataCorrupted,  // not valid JSON, a number that does not fit, bad Base64...
  };

  DecodingError(Kind kind, CodingErrorContext context);
  static DecodingError dataCorrupted(CodingPath path, std::string debugDescription);

  Kind kind() const { return kind_; }
  const CodingErrorContext& context() const { return context_; }
  // The debug description, followed by the coding path when there is one.
  const char* what() const noexcept override { return what_.c_str(); }

 private:
  Kind kind_;
  CodingErrorContext context_;
  std::string what_;
};

// Always an invalid value: the value that could not be encoded, with the
// coding path where it was met. It never wraps another error.
class EncodingError : public std::exception {
 public:
  EncodingError(std::any value, CodingErrorContext context);

  const std::any& value() const { return value_; }
  const CodingErrorContext& context() const { return context_; }
  const char* what() const noexcept override { return what_.c_str(); }

 private:
  std::any value_;
  CodingErrorContext context_;
  std::string what_;
};

}  // namespace zephro
