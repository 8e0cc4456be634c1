# Debian packages of the install (cpack in the build tree):
#   libzephro-sdk<major>  the shared libraries, the kit's data and the web-process extension
#   libzephro-sdk-dev     headers, CMake and pkg-config files
#   zephro-sdk-demo       the demo host
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zephro-sdk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "ZephroSdk4Tolmar maintainers <zephro-sdk@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Hybrid native/H5 user-interface kit on GTK 4 and WebKitGTK")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL runtime dev)
if(TARGET zephro-demo)
  list(APPEND CPACK_COMPONENTS_ALL demo)
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libs)
set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME "libzephro-sdk${PROJECT_VERSION_MAJOR}")
set(CPACK_DEBIAN_DEV_PACKAGE_NAME libzephro-sdk-dev)
set(CPACK_DEBIAN_DEMO_PACKAGE_NAME zephro-sdk-demo)
# The libraries' and the demo's own needs come from the libraries they link.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_DEMO_PACKAGE_SHLIBDEPS ON)
# A shlibs file and the ldconfig trigger, as for any Debian library package.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_GENERATE_SHLIBS ON)
# The camera's pipeline elements (v4l2src, jpegdec, pngdec, videoconvert) are plugins.
set(CPACK_DEBIAN_RUNTIME_PACKAGE_RECOMMENDS "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS "${CMAKE_LIBRARY_OUTPUT_DIRECTORY}")
set(CPACK_COMPONENT_DEV_DEPENDS runtime)
set(CPACK_COMPONENT_DEMO_DEPENDS runtime)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
# What a consumer's build finds through the CMake and pkg-config files.
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS "nlohmann-json3-dev, libgtk-4-dev, pkg-config")
# kit_test.h, the harness as a GoogleTest fixture.
set(CPACK_DEBIAN_DEV_PACKAGE_SUGGESTS libgtest-dev)
include(CPack)
