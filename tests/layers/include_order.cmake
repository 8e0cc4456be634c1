# Fails when a file under zephro/ includes a folder it may not use.
# A chain runs from the bottom up; an entry is a layer, its folders separated
# by "|". A file may include its own layer and the layers before it in its
# chain, nothing else: the platform model knows neither backend nor the kit,
# the two backends do not know each other, and the kit's folders go one way.
# A file belongs to the longest folder its path starts with; the GTK backend
# has its own chain, everything else the kit's. Folders in no chain are not
# checked.
#   cmake -DROOT=<source dir> -P include_order.cmake
set(MODEL "platform/foundation|platform/dispatch|platform/ui|platform/web|platform/capture")
set(KIT_CHAIN ${MODEL} platform/headless json sdk bridge h5 screens scopes entry testing)
set(GTK_CHAIN ${MODEL} platform/gtk)

# The rank in CHAIN of the layer that holds path (-1: none).
function(layer_of chain path result)
  set(found -1)
  set(longest 0)
  set(rank 0)
  foreach(layer IN LISTS ${chain})
    string(REPLACE "|" ";" folders "${layer}")
    foreach(folder IN LISTS folders)
      string(LENGTH "${folder}/" length)
      string(FIND "${path}" "${folder}/" at)
      if(at EQUAL 0 AND length GREATER longest)
        set(found ${rank})
        set(longest ${length})
      endif()
    endforeach()
    math(EXPR rank "${rank} + 1")
  endforeach()
  set(${result} ${found} PARENT_SCOPE)
endfunction()

function(chain_of path result)
  string(FIND "${path}" "platform/gtk/" at)
  if(at EQUAL 0)
    set(${result} GTK_CHAIN PARENT_SCOPE)
  else()
    set(${result} KIT_CHAIN PARENT_SCOPE)
  endif()
endfunction()

file(GLOB_RECURSE sources RELATIVE "${ROOT}/zephro" "${ROOT}/zephro/*.h" "${ROOT}/zephro/*.cc")
set(wrong "")
foreach(source IN LISTS sources)
  chain_of("${source}" chain)
  layer_of(${chain} "${source}" own)
  if(own EQUAL -1)
    continue()
  endif()
  file(STRINGS "${ROOT}/zephro/${source}" includes REGEX "^#include \"zephro/")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^#include \"zephro/([^\"]*)\".*" "\\1" included "${line}")
    layer_of(${chain} "${included}" rank)
    if(rank EQUAL -1 OR rank GREATER own)
      list(APPEND wrong "zephro/${source} includes zephro/${included}")
    endif()
  endforeach()
endforeach()
if(wrong)
  list(JOIN wrong "\n  " lines)
  message(FATAL_ERROR "Includes against the layer order (docs/architecture.md):\n  ${lines}")
endif()
