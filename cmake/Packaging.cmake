# Installation into bin/ and share/, and the Debian package built by `cpack -G DEB`.
include(GNUInstallDirs)

if(AEROLUME_BUILD_GUI)
  install(FILES resources/aerolume.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  foreach(size 16 32 48 64 128 256)
    install(FILES resources/icons/aerolume-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME aerolume.png)
  endforeach()
endif()

set(CPACK_PACKAGE_NAME aerolume)
set(CPACK_PACKAGE_VENDOR "The Aerolume developers")
set(CPACK_PACKAGE_CONTACT "The Aerolume developers <aerolume@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "METAR and TAF of Japanese airfields, decoded into Japanese")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The shared libraries the programs link (Qt, libcurl, ...) become dependencies.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Japanese text needs a Japanese font; the program falls back to any installed one.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_DEPENDS "ca-certificates")
include(CPack)
