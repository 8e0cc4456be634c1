include(CMakePackageConfigHelpers)

set(ZEPHRO_CMAKE_DIR "${CMAKE_INSTALL_LIBDIR}/cmake/ZephroSdk")
set(ZEPHRO_EXPORTED_TARGETS zephro_platform zephro_headless zephro_kit)
if(TARGET zephro_gtk)
  list(APPEND ZEPHRO_EXPORTED_TARGETS zephro_gtk)
endif()

install(TARGETS ${ZEPHRO_EXPORTED_TARGETS} EXPORT ZephroSdkTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(DIRECTORY zephro/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/zephro
  FILES_MATCHING PATTERN "*.h")
install(EXPORT ZephroSdkTargets NAMESPACE ZephroSdk:: DESTINATION ${ZEPHRO_CMAKE_DIR})

configure_package_config_file(cmake/ZephroSdkConfig.cmake.in
  "${CMAKE_BINARY_DIR}/ZephroSdkConfig.cmake" INSTALL_DESTINATION ${ZEPHRO_CMAKE_DIR})
write_basic_package_version_file("${CMAKE_BINARY_DIR}/ZephroSdkConfigVersion.cmake"
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES "${CMAKE_BINARY_DIR}/ZephroSdkConfig.cmake"
  "${CMAKE_BINARY_DIR}/ZephroSdkConfigVersion.cmake" DESTINATION ${ZEPHRO_CMAKE_DIR})

set(ZEPHRO_PC_REQUIRES "nlohmann_json sqlite3 liburiparser icu-uc")
set(ZEPHRO_PC_LIBS "-lzephro_kit -lzephro_headless -lzephro_platform")
if(TARGET zephro_gtk)
  set(ZEPHRO_PC_REQUIRES "${ZEPHRO_PC_REQUIRES} gtk4 webkitgtk-6.0 gstreamer-1.0 gstreamer-app-1.0 gstreamer-video-1.0 zxing")
  set(ZEPHRO_PC_LIBS "-lzephro_gtk ${ZEPHRO_PC_LIBS}")
endif()
configure_file(cmake/zephro-sdk.pc.in "${CMAKE_BINARY_DIR}/zephro-sdk.pc" @ONLY)
install(FILES "${CMAKE_BINARY_DIR}/zephro-sdk.pc" DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
