# Installation and the Debian package: the program, its manual page, its
# bash completion, the page for a browser, and the copyright and changelog
# every Debian package carries, compressed as Debian wants them.
include(GNUInstallDirs)

configure_file(doc/tunvex.1.in ${PROJECT_BINARY_DIR}/tunvex.1 @ONLY)
configure_file(doc/changelog ${PROJECT_BINARY_DIR}/changelog COPYONLY)
add_custom_command(OUTPUT tunvex.1.gz changelog.gz
  COMMAND gzip -9nkf tunvex.1 changelog
  DEPENDS ${PROJECT_BINARY_DIR}/tunvex.1 ${PROJECT_BINARY_DIR}/changelog
  WORKING_DIRECTORY ${PROJECT_BINARY_DIR})
add_custom_target(docs ALL DEPENDS tunvex.1.gz changelog.gz)

# The copyright file in Debian's machine-readable format, around the terms
# of LICENSE (from "Permission" on): each line indented by one space, an
# empty line as " .".
file(READ LICENSE license)
string(FIND "${license}" "Permission" terms)
string(SUBSTRING "${license}" ${terms} -1 license)
string(STRIP "${license}" license)
string(REGEX REPLACE "\n\n" "\n.\n" license "${license}")
string(REGEX REPLACE "\n" "\n " license "${license}")
file(WRITE ${PROJECT_BINARY_DIR}/copyright
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: tunvex

Files: *
Copyright: 2026 the tunvex developers
License: Expat
 ${license}
")

install(TARGETS tunvex RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_BINARY_DIR}/tunvex.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_BINARY_DIR}/copyright ${PROJECT_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES doc/tunvex.bash-completion DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME tunvex)
# The page, one file the same for every architecture: the committed one,
# which CI holds to what web/ builds, so that every package has it without
# the WASI toolchain or npm where it is made.
install(FILES dist/tunvex.html DESTINATION ${CMAKE_INSTALL_DATADIR}/tunvex)

set(TUNVEX_MAINTAINER "The tunvex developers <tunvex@tunvex.invalid>" CACHE STRING
    "Maintainer of the Debian package: a name and mail address")
set(CPACK_PACKAGE_NAME tunvex)
set(CPACK_PACKAGE_VENDOR "The tunvex developers")
set(CPACK_PACKAGE_CONTACT "${TUNVEX_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "list and edit the channel list of an Orvane multimedia station")
set(CPACK_PACKAGE_DESCRIPTION "tunvex prints, renames, deletes and moves the channels of a
multimedia station's channel-list file, writing the edited list with a
fresh CRC-32 checksum and every other byte unchanged.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_STRIP_FILES ON)

if(NOT CMAKE_CROSSCOMPILING)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  include(${CMAKE_CURRENT_LIST_DIR}/cross_package.cmake)
endif()
include(CPack)
