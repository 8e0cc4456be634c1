// Reading bridge parameters by exact kind: a value of another kind counts as
// absent (no conversion: 1 is not a Boolean, "true" is not one either).
#pragma once

#include <map>
#include <optional>
#include <string>

#include "zephro/json/any_codable.h"

namespace zephro {

using InvokeParams = std::optional<std::map<std::string, AnyCodable>>;

// The value under `key`, of whatever kind (a JSON null is present); absent
// only when there are no params or no such key.
inline const AnyCodable* invokeValue(const InvokeParams& params, const std::string& key) {
  if (!params) return nullptr;
  auto found = params->find(key);
  return found == params->end() ? nullptr : &found->second;
}

// The value under `key` when it is exactly a T (std::string for texts,
// bool for Booleans, std::int64_t for integers).
template <class T>
std::optional<T> invokeParam(const InvokeParams& params, const std::string& key) {
  const AnyCodable* value = invokeValue(params, key);
  if (!value) return std::nullopt;
  if (const T* held = value->as<T>()) return *held;
  return std::nullopt;
}

}  // namespace zephro
