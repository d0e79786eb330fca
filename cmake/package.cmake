# Installation and the Debian package: the program, its manual page, its
# bash completion, the page for a browser, and the copyright and changelog
# every Debian package carries, compressed as Debian wants them.
include(GNUInstallDirs)

# The manual page's date is that of the newest changelog entry: a build
# made again from the same sources writes the same page.
file(STRINGS doc/changelog signed REGEX "^ -- .*  [A-Z][a-z][a-z], [0-9][0-9] [A-Z][a-z][a-z] [0-9][0-9][0-9][0-9] ")
list(GET signed 0 newest)
string(REGEX REPLACE ".*, ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) .*" "\\3;\\2;\\1" newest "${newest}")
list(GET newest 0 year)
list(GET newest 1 month)
list(GET newest 2 day)
set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND months ${month} month)
math(EXPR month "${month} + 1" OUTPUT_FORMAT DECIMAL)
if(month LESS 10)
  set(month 0${month})
endif()
set(TUNVEX_DATE ${year}-${month}-${day})
configure_file(doc/tunvex.1.in ${PROJECT_BINARY_DIR}/tunvex.1 @ONLY)
configure_file(doc/changelog ${PROJECT_BINARY_DIR}/changelog COPYONLY)
add_custom_command(OUTPUT tunvex.1.gz changelog.gz
  COMMAND gzip -9nkf tunvex.1 changelog
  DEPENDS ${PROJECT_BINARY_DIR}/tunvex.1 ${PROJECT_BINARY_DIR}/changelog
  WORKING_DIRECTORY ${PROJECT_BINARY_DIR})
add_custom_target(docs ALL DEPENDS tunvex.1.gz changelog.gz)

# The copyright file in Debian's machine-readable format, around the terms
# of LICENSE (from "Permission" on), and a paragraph for the page, which
# bundles libraries under licences of their own (dist/licences.json, written
# with the page from the packages themselves): each line indented by one
# space, an empty line as " .".
function(dep5_text text out)
  string(STRIP "${text}" text)
  string(REGEX REPLACE "\n[ \t]*\n" "\n.\n" text "${text}")
  string(REGEX REPLACE "\n" "\n " text "${text}")
  set(${out} " ${text}" PARENT_SCOPE)
endfunction()
file(READ LICENSE license)
string(FIND "${license}" "Permission" terms)
string(SUBSTRING "${license}" ${terms} -1 license)
dep5_text("${license}" license)
file(READ dist/licences.json bundled)
string(JSON bundled_count LENGTH "${bundled}")
math(EXPR last "${bundled_count} - 1")
set(holders "")
set(names "")  # a line each
set(bundled_licenses Expat)
foreach(i RANGE ${last})
  string(JSON name GET "${bundled}" ${i} name)
  string(JSON version GET "${bundled}" ${i} version)
  string(JSON spdx GET "${bundled}" ${i} license)
  string(JSON holder GET "${bundled}" ${i} copyright)
  # Debian's short names: MIT is Expat.
  string(REPLACE "MIT" "Expat" short "${spdx}")
  string(APPEND holders "\n ${holder} (${name} ${version})")
  string(APPEND names "\n ${name} ${version} (${short})")
  list(APPEND bundled_licenses "${short}")
endforeach()
list(REMOVE_DUPLICATES bundled_licenses)
list(JOIN bundled_licenses " and " page_licenses)
set(apache "")
if("Apache-2.0" IN_LIST bundled_licenses)
  set(apache "
License: Apache-2.0
 Licensed under the Apache License, Version 2.0 (the \"License\"); you may
 not use this file except in compliance with the License.
 .
 On Debian systems, the complete text of the Apache License, Version 2.0
 can be found in /usr/share/common-licenses/Apache-2.0.
")
endif()
file(WRITE ${PROJECT_BINARY_DIR}/copyright
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: tunvex

Files: *
Copyright: 2026 the tunvex developers
License: Expat

Files: dist/tunvex.html
Copyright: 2026 the tunvex developers${holders}
License: ${page_licenses}
Comment: The page bundles these libraries; their notices are in it, under
 Help, \"About and licences\":${names}

License: Expat
${license}
${apache}")

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
