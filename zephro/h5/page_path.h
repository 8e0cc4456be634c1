// Joining page names onto the page bundle path.
#pragma once

#include <string>
#include <string_view>

namespace zephro {

// `base` and `component` joined by exactly one "/" (redundant slashes at the
// seam and at the end dropped); an empty component yields `base`.
std::string appendingPathComponent(std::string_view base, std::string_view component);

// Whether the page name has a ".." segment, which would reach files outside
// the page bundle.
bool climbsOutOfBundle(std::string_view page);

}  // namespace zephro
