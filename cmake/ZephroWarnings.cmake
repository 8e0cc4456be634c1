# Warnings as errors on the project's own code only (not on third-party headers,
# which come in as system includes).
function(zephro_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror
    -Wno-missing-field-initializers)
endfunction()
