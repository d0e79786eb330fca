# Installs the build into a scratch prefix and checks what arrives there:
# the program, which runs and knows its version, and the manual page.
set(prefix ${BUILD_DIR}/install-test)
file(REMOVE_RECURSE ${prefix})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()

foreach(file bin/tunvex share/man/man1/tunvex.1)
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

execute_process(COMMAND ${prefix}/bin/tunvex -h OUTPUT_VARIABLE help RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "installed tunvex -h exited with ${rc}")
endif()
if(NOT help MATCHES "^tunvex v${VERSION} Orvane Multimedia Station Channel Editor")
  message(FATAL_ERROR "unexpected help text:\n${help}")
endif()

file(READ ${prefix}/share/man/man1/tunvex.1 page)
if(NOT page MATCHES "\"tunvex ${VERSION}\"")
  message(FATAL_ERROR "the manual page does not carry version ${VERSION}")
endif()
file(REMOVE_RECURSE ${prefix})
