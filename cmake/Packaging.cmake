# Installation into bin/ and share/, and the Debian package built by `cpack -G DEB`.
include(GNUInstallDirs)

# The documentation directory is named after the package, whatever the project's name.
set(AEROLUME_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/aerolume)
set(AEROLUME_CONTACT "The Aerolume developers <aerolume@users.noreply.github.com>")

if(AEROLUME_BUILD_GUI)
  install(FILES resources/aerolume.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  foreach(size 16 32 48 64 128 256)
    install(FILES resources/icons/aerolume-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME aerolume.png)
  endforeach()
  install(FILES packaging/io.github.aerolume.Aerolume.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

install(FILES packaging/aerolume-cli.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME aerolume-cli)
install(FILES packaging/copyright DESTINATION ${AEROLUME_DOC_DIR})

# Manual pages and the changelog are installed gzip-compressed, at the highest level
# and without a name or time stamp in the header, so that the same sources give the
# same bytes (Debian's checks want exactly that).
find_program(AEROLUME_GZIP gzip REQUIRED)
set(AEROLUME_DOC_BUILD_DIR ${PROJECT_BINARY_DIR}/doc)
set(aerolume_compressed_docs)

set(aerolume_man_pages aerolume-cli)
if(AEROLUME_BUILD_GUI)
  list(APPEND aerolume_man_pages aerolume)
endif()
foreach(page IN LISTS aerolume_man_pages)
  # The pages carry the version in their footer.
  configure_file(docs/man/${page}.1.in ${AEROLUME_DOC_BUILD_DIR}/man/${page}.1 @ONLY)
  add_custom_command(
    OUTPUT ${AEROLUME_DOC_BUILD_DIR}/man/${page}.1.gz
    COMMAND ${AEROLUME_GZIP} -9 -n -f -k ${page}.1
    WORKING_DIRECTORY ${AEROLUME_DOC_BUILD_DIR}/man
    DEPENDS ${AEROLUME_DOC_BUILD_DIR}/man/${page}.1
    COMMENT "Compressing the manual page ${page}(1)"
    VERBATIM)
  list(APPEND aerolume_compressed_docs ${AEROLUME_DOC_BUILD_DIR}/man/${page}.1.gz)
  install(FILES ${AEROLUME_DOC_BUILD_DIR}/man/${page}.1.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

# CHANGELOG.md's released sections in Debian's changelog format: the package's version
# has no Debian revision, so its changelog.gz is read as a Debian changelog.
add_custom_command(
  OUTPUT ${AEROLUME_DOC_BUILD_DIR}/changelog.gz
  COMMAND sh ${PROJECT_SOURCE_DIR}/packaging/debian-changelog.sh
          ${PROJECT_SOURCE_DIR}/CHANGELOG.md aerolume "${AEROLUME_CONTACT}" changelog
  COMMAND ${AEROLUME_GZIP} -9 -n -f changelog
  WORKING_DIRECTORY ${AEROLUME_DOC_BUILD_DIR}
  DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG.md ${PROJECT_SOURCE_DIR}/packaging/debian-changelog.sh
  COMMENT "Writing the Debian changelog from CHANGELOG.md"
  VERBATIM)
list(APPEND aerolume_compressed_docs ${AEROLUME_DOC_BUILD_DIR}/changelog.gz)
install(FILES ${AEROLUME_DOC_BUILD_DIR}/changelog.gz DESTINATION ${AEROLUME_DOC_DIR})

add_custom_target(aerolume_docs ALL DEPENDS ${aerolume_compressed_docs})

set(CPACK_PACKAGE_NAME aerolume)
set(CPACK_PACKAGE_VENDOR "The Aerolume developers")
set(CPACK_PACKAGE_CONTACT ${AEROLUME_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "METAR and TAF of Japanese airfields, decoded into Japanese")
# The lines after the summary in the package's Description; an empty line is a new
# paragraph.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Aerolume shows the current aviation weather of a Japanese airfield in plain
Japanese. Pick one of 104 Japanese stations: Aerolume fetches the station's
latest METAR (observation) and TAF (forecast), and shows each report's issue
time in Japan time, the raw report, and every group translated into a Japanese
phrase, one line per group. Beside them a wind display draws a compass ring,
the airfield's runway diagram and an arrow for the observed wind, coloured by
speed. The shown station is fetched again every 10 minutes.

The package holds the Qt desktop program aerolume and the command-line tool
aerolume-cli, which decodes report files and report groups and fetches a
station's reports for terminals and scripts, as text (UTF-8 or Shift-JIS) or
JSON.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Installed programs without symbols; the build keeps its own unstripped copies.
set(CPACK_STRIP_FILES ON)
# The shared libraries the programs link (Qt, libcurl, ...) become dependencies.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Japanese text needs a Japanese font; the program falls back to any installed one.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic")
# Where bash looks the completion up.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "bash-completion")
set(CPACK_DEBIAN_PACKAGE_DEPENDS "ca-certificates")
include(CPack)
