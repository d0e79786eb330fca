# A cross-built package is for its target, not for the machine that built
# it: its Debian architecture comes from the target processor, and its
# dependency from the target's C library, since dpkg-shlibdeps only knows the
# host's. tunvex links libstdc++ and libgcc statically, so the C library is
# all it needs; .ci/package checks that.
include(CheckCXXSourceCompiles)

if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(aarch64|arm64)$")
  set(debian_arch arm64)
elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "^arm")
  check_cxx_source_compiles("#ifndef __ARM_PCS_VFP\n#error soft float\n#endif\nint main() {}" TUNVEX_ARM_HARD_FLOAT)
  if(TUNVEX_ARM_HARD_FLOAT)
    set(debian_arch armhf)
  else()
    set(debian_arch armel)
  endif()
elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|amd64|AMD64)$")
  set(debian_arch amd64)
elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "^i.86$")
  set(debian_arch i386)
elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "^(ppc64le|powerpc64le)$")
  set(debian_arch ppc64el)
else()
  # s390x, riscv64, mips64el ...: Debian calls these as the kernel does.
  set(debian_arch ${CMAKE_SYSTEM_PROCESSOR})
endif()
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${debian_arch})

# The target's glibc version, from its own headers.
set(probe ${PROJECT_BINARY_DIR}/CMakeFiles/glibc_version.cpp)
file(WRITE ${probe} "#include <features.h>\nglibc __GLIBC__ . __GLIBC_MINOR__\n")
set(target_flags)
if(CMAKE_CXX_COMPILER_TARGET)
  list(APPEND target_flags --target=${CMAKE_CXX_COMPILER_TARGET})
endif()
if(CMAKE_SYSROOT)
  list(APPEND target_flags --sysroot=${CMAKE_SYSROOT})
endif()
execute_process(COMMAND ${CMAKE_CXX_COMPILER} ${target_flags} -E -P ${probe}
                OUTPUT_VARIABLE probed RESULT_VARIABLE rc)
if(rc EQUAL 0 AND probed MATCHES "glibc ([0-9]+) \\. ([0-9]+)")
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6 (>= ${CMAKE_MATCH_1}.${CMAKE_MATCH_2})")
else()
  message(WARNING "cannot tell the target's C library version: the package declares no dependency")
endif()
