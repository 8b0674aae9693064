# What `cmake --install` puts where (GNUInstallDirs under the prefix), and
# the Debian package CPack makes of it (`cpack -G DEB`, or scripts/package):
#
#   bin/daq, bin/daq-cli
#   share/daq/                      daq.CHS, daq.ENU and the user manual (docs/manual)
#   share/applications/             the desktop launcher
#   share/metainfo/                 AppStream metadata
#   share/icons/hicolor/*/apps/     daq.png at seven sizes and daq.svg
#   share/man/man1/                 daq.1.gz, daq-cli.1.gz
#   share/doc/daq/                  copyright, changelog.gz
#   lib/udev/rules.d/               the instrument's rule (/lib/udev/rules.d in the package)
#   share/lintian/overrides/daq     why two of lintian's remarks do not apply
#
# The program finds share/daq from bin/ (app/DataFolders.cpp), so an
# unpacked or relocated tree works as well as the installed one.
if(DAQ_DEVICE_ONLY OR NOT TARGET daq OR NOT TARGET daq-cli)
  return()
endif()

include(GNUInstallDirs)

# The AppStream component ID, which names the desktop file and the metainfo
# file too. Replace it with the reverse domain name of the project's home
# once it has one.
set(DAQ_APP_ID org.example.daq)
set(DAQ_PACKAGE_MAINTAINER "DAQ maintainers <maintainers@users.noreply.c-seed-352e35e5.example>"
    CACHE STRING "The Debian package's Maintainer field")

set(packaging_source ${PROJECT_SOURCE_DIR}/packaging)
set(packaging_build ${PROJECT_BINARY_DIR}/packaging)

# The changelog and the metainfo name the release being packaged; a version
# bump without an entry in both would ship a package that contradicts itself.
file(STRINGS ${packaging_source}/changelog changelog_head LIMIT_COUNT 1)
if(NOT changelog_head MATCHES "^daq \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog does not start with an entry for version ${PROJECT_VERSION}")
endif()
file(READ ${packaging_source}/${DAQ_APP_ID}.metainfo.xml metainfo)
if(NOT metainfo MATCHES "<release version=\"${PROJECT_VERSION}\"")
  message(FATAL_ERROR "packaging/${DAQ_APP_ID}.metainfo.xml has no <release> of version ${PROJECT_VERSION}")
endif()

# Files made at build time from a committed source: the icon's sizes from
# the one drawing, and the compressed manual pages and changelog. gzip -n
# leaves out the name and time, so the same source gives the same bytes.
find_program(GZIP_EXECUTABLE gzip REQUIRED)
find_program(RSVG_CONVERT_EXECUTABLE rsvg-convert)
set(made_files)

set(DAQ_ICON_SIZES 16 24 32 48 64 128 256)
if(RSVG_CONVERT_EXECUTABLE)
  foreach(size ${DAQ_ICON_SIZES})
    set(icon ${packaging_build}/icons/${size}x${size}/daq.png)
    add_custom_command(
      OUTPUT ${icon}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${packaging_build}/icons/${size}x${size}
      COMMAND ${RSVG_CONVERT_EXECUTABLE} --width=${size} --height=${size} --output=${icon} ${packaging_source}/daq.svg
      DEPENDS ${packaging_source}/daq.svg
      COMMENT "Icon ${size}x${size}"
      VERBATIM)
    list(APPEND made_files ${icon})
    install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
else()
  message(STATUS "rsvg-convert not found: only the scalable icon is installed")
endif()

function(daq_gzip source name)
  set(copy ${packaging_build}/gz/${name})
  add_custom_command(
    OUTPUT ${copy}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
    COMMAND ${GZIP_EXECUTABLE} -9nf ${copy}
    DEPENDS ${source}
    COMMENT "Compressing ${name}"
    VERBATIM)
  set_property(DIRECTORY APPEND PROPERTY daq_gzipped ${copy}.gz)
endfunction()
daq_gzip(${PROJECT_SOURCE_DIR}/app/daq.1 daq.1)
daq_gzip(${PROJECT_SOURCE_DIR}/cli/daq-cli.1 daq-cli.1)
daq_gzip(${packaging_source}/changelog changelog)
get_property(gzipped DIRECTORY PROPERTY daq_gzipped)
list(APPEND made_files ${gzipped})

add_custom_target(daq_package_files ALL DEPENDS ${made_files})

install(TARGETS daq daq-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES $<TARGET_FILE_DIR:daq>/daq.CHS $<TARGET_FILE_DIR:daq>/daq.ENU
        DESTINATION ${CMAKE_INSTALL_DATADIR}/daq)
install(FILES ${packaging_source}/${DAQ_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging_source}/${DAQ_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging_source}/daq.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${packaging_build}/gz/daq.1.gz ${packaging_build}/gz/daq-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${packaging_source}/copyright ${packaging_build}/gz/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/daq)
install(FILES ${packaging_source}/70-daq-instrument.rules DESTINATION lib/udev/rules.d)
install(FILES ${packaging_source}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/lintian/overrides
        RENAME daq)

target_compile_definitions(daq PRIVATE DAQ_APP_ID="${DAQ_APP_ID}")

# The whole global offset table read-only once loaded (with relro, the
# linker's default here), as in Debian's own packages.
target_link_options(daq PRIVATE LINKER:-z,now)
target_link_options(daq-cli PRIVATE LINKER:-z,now)

# The Debian package.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME daq)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "DAQ maintainers")
set(CPACK_PACKAGE_CONTACT "${DAQ_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Stripped in the staging tree (cmake/DaqPackageStaging.cmake).
set(CPACK_DAQ_STRIP ${CMAKE_STRIP})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "oscilloscope and spectrum analyzer for a two-channel USB instrument")
set(CPACK_PACKAGE_DESCRIPTION
    "DAQ is the desktop front end of the KRV two-channel USB data-acquisition
instrument, which works as an oscilloscope and as a spectrum analyzer. It
reads both channels at 64 S/s to 100 kS/s and draws live or triggered
traces, spectra with their peaks and the measurements of each channel;
it calibrates, exports text, WAV recordings and pictures, and speaks
English and Chinese. A udev rule lets the logged-in user use the
instrument without root.

Without an instrument, daq --simulate runs it on a built-in simulated
instrument. The package also holds daq-cli, the command line that
captures, exports and analyses without a window, and the user manual.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own Chinese texts (the file dialogs' buttons) and a font for the
# Chinese windows; a word processor for the .docx manual.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-noto-cjk | fonts-wqy-microhei | fonts-wqy-zenhei")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libreoffice-writer | abiword")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${packaging_source}/postinst ${packaging_source}/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Moves the udev rule to /lib/udev/rules.d and strips the programs.
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/DaqPackageStaging.cmake)
set(CPACK_SOURCE_GENERATOR TXZ)
set(CPACK_SOURCE_IGNORE_FILES "/build/" "/\\\\.git")

include(CPack)
