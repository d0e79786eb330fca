# GoogleTest for the machine the tests run on. A native build takes the
# installed library. A cross build compiles Debian's sources of it
# (libgtest-dev ships them in /usr/src/googletest) for its target, since the
# host's library is of no use there. Sets TUNVEX_HAVE_GTEST.
set(TUNVEX_GTEST_SOURCE /usr/src/googletest CACHE PATH
    "GoogleTest sources, compiled for the target of a cross build")

set(TUNVEX_HAVE_GTEST OFF)
if(NOT CMAKE_CROSSCOMPILING)
  find_package(GTest QUIET)
  if(GTest_FOUND)
    set(TUNVEX_HAVE_GTEST ON)
  endif()
elseif(EXISTS ${TUNVEX_GTEST_SOURCE}/CMakeLists.txt)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${TUNVEX_GTEST_SOURCE} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # Its sources are not ours to hold to our warnings.
  set_target_properties(gtest gtest_main PROPERTIES COMPILE_OPTIONS "")
  set(TUNVEX_HAVE_GTEST ON)
endif()

if(NOT TUNVEX_HAVE_GTEST)
  message(STATUS "GoogleTest not found: tunvex is built, its tests are left out "
                 "(to build them: apt-get install libgtest-dev)")
endif()
