# The installed kit, in three parts that find_package(ZephroSdk COMPONENTS
# core gtk testing) and the pkg-config files zephro-sdk-<part> offer alike:
# core (the kit on its headless backend; needs no GTK, WebKit or GStreamer),
# gtk (the GTK backend) and testing (the host test harness). Only the headers
# a host uses are installed. Nothing installed names the build tree: the
# libraries find their data relative to themselves, the CMake and pkg-config
# files find the install relative to themselves.
# Debian packages (cmake/ZephroPackaging.cmake) split the same files into
# runtime (libraries, data, extension), dev (headers, CMake, pkg-config) and demo.
include(CMakePackageConfigHelpers)

set(ZEPHRO_CMAKE_DIR "${CMAKE_INSTALL_LIBDIR}/cmake/ZephroSdk")
set(ZEPHRO_PC_DIR "${CMAKE_INSTALL_LIBDIR}/pkgconfig")
file(RELATIVE_PATH ZEPHRO_PC_TO_PREFIX "/${ZEPHRO_PC_DIR}" "/")
if(BUILD_SHARED_LIBS)
  set(ZEPHRO_STATIC FALSE)
else()
  set(ZEPHRO_STATIC TRUE)
endif()

# zephro_install_part(<part> TARGETS <target>... HEADERS <folder or file>... [PC_PRIVATE <module>...])
# Headers are named from zephro/; PC_PRIVATE are the pkg-config modules a
# static library of the part needs.
function(zephro_install_part part)
  cmake_parse_arguments(PART "" "" "TARGETS;HEADERS;PC_PRIVATE" ${ARGN})
  install(TARGETS ${PART_TARGETS} EXPORT ZephroSdk-${part}
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT dev
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT dev)
  foreach(header IN LISTS PART_HEADERS)
    if(IS_DIRECTORY "${PROJECT_SOURCE_DIR}/zephro/${header}")
      install(DIRECTORY "zephro/${header}/" DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}/zephro/${header}"
        COMPONENT dev FILES_MATCHING PATTERN "*.h")
    else()
      get_filename_component(folder "${header}" DIRECTORY)
      install(FILES "zephro/${header}" DESTINATION "${CMAKE_INSTALL_INCLUDEDIR}/zephro/${folder}" COMPONENT dev)
    endif()
  endforeach()
  install(EXPORT ZephroSdk-${part} NAMESPACE ZephroSdk:: DESTINATION ${ZEPHRO_CMAKE_DIR} COMPONENT dev)
  set(ZEPHRO_PC_PRIVATE "")
  if(ZEPHRO_STATIC)
    list(JOIN PART_PC_PRIVATE " " ZEPHRO_PC_PRIVATE)
  endif()
  configure_file("${PROJECT_SOURCE_DIR}/cmake/zephro-sdk-${part}.pc.in"
    "${PROJECT_BINARY_DIR}/pkgconfig/zephro-sdk-${part}.pc" @ONLY)
  install(FILES "${PROJECT_BINARY_DIR}/pkgconfig/zephro-sdk-${part}.pc" DESTINATION ${ZEPHRO_PC_DIR} COMPONENT dev)
endfunction()

zephro_install_part(core TARGETS zephro_platform zephro_headless zephro_kit
  HEADERS platform/foundation platform/dispatch platform/ui platform/web platform/capture
          platform/headless json sdk bridge h5 screens scopes
  PC_PRIVATE sqlite3 liburiparser icu-uc)
if(TARGET zephro_gtk)
  zephro_install_part(gtk TARGETS zephro_gtk
    HEADERS platform/gtk/install.h platform/gtk/install_options.h platform/gtk/window_snapshot.h
            platform/gtk/gobject_ref.h
    PC_PRIVATE webkitgtk-6.0 gstreamer-1.0 gstreamer-app-1.0 gstreamer-video-1.0 zxing)
endif()
# The harness needs no test framework: a host that includes kit_test.h finds
# and links GoogleTest itself.
zephro_install_part(testing TARGETS zephro_testing HEADERS testing)

configure_package_config_file(cmake/ZephroSdkConfig.cmake.in
  "${PROJECT_BINARY_DIR}/ZephroSdkConfig.cmake" INSTALL_DESTINATION ${ZEPHRO_CMAKE_DIR})
write_basic_package_version_file("${PROJECT_BINARY_DIR}/ZephroSdkConfigVersion.cmake"
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES "${PROJECT_BINARY_DIR}/ZephroSdkConfig.cmake"
  "${PROJECT_BINARY_DIR}/ZephroSdkConfigVersion.cmake" DESTINATION ${ZEPHRO_CMAKE_DIR} COMPONENT dev)
