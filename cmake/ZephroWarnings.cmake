# Warnings as errors on the project's own code only (not on third-party headers,
# which come in as system includes).
function(zephro_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror
    -Wno-missing-field-initializers)
  # g++ 12 at -O3 reports std::string concatenation as overlapping memcpy
  # (a known false positive of its -Wrestrict, fixed in g++ 13).
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE $<$<CONFIG:Release>:-Wno-restrict>)
  endif()
endfunction()
