# zephro_layer(<target> <folder>...): a library of the sources in the given
# folders of zephro/. The target and its users find the headers of exactly
# those folders, through a tree of links in the build tree (the source tree
# itself is never on their include path): a layer sees only the layers it
# links, so an include that goes up the order does not compile.
function(zephro_layer target)
  set(root "${PROJECT_BINARY_DIR}/layers/${target}")
  set(sources "")
  foreach(folder IN LISTS ARGN)
    file(GLOB found CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/zephro/${folder}/*.cc")
    list(APPEND sources ${found})
    get_filename_component(parent "${root}/zephro/${folder}" DIRECTORY)
    file(MAKE_DIRECTORY "${parent}")
    file(CREATE_LINK "${PROJECT_SOURCE_DIR}/zephro/${folder}" "${root}/zephro/${folder}" SYMBOLIC)
  endforeach()
  add_library(${target} ${sources})
  add_library(ZephroSdk::${target} ALIAS ${target})
  zephro_warnings(${target})
  # Installed side by side, the libraries find each other wherever they are.
  set_target_properties(${target} PROPERTIES
    VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR} INSTALL_RPATH "$ORIGIN")
  target_include_directories(${target} PUBLIC
    $<BUILD_INTERFACE:${root}> $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
endfunction()
