# Installs the build into a scratch prefix and checks what arrives there:
# the program, which runs (under EMULATOR, in a cross build) and knows its
# version, the manual page, the bash completion (which bash can read), and
# the copyright and changelog of the version.
set(prefix ${BUILD_DIR}/install-test)
file(REMOVE_RECURSE ${prefix})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${rc}")
endif()

foreach(file bin/tunvex share/man/man1/tunvex.1.gz share/bash-completion/completions/tunvex
             share/doc/tunvex/copyright share/doc/tunvex/changelog.gz)
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

execute_process(COMMAND bash -n ${prefix}/share/bash-completion/completions/tunvex RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "bash cannot read the completion")
endif()

execute_process(COMMAND ${EMULATOR} ${prefix}/bin/tunvex -h OUTPUT_VARIABLE help RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "installed tunvex -h exited with ${rc}")
endif()
if(NOT help MATCHES "^tunvex v${VERSION} Orvane Multimedia Station Channel Editor")
  message(FATAL_ERROR "unexpected help text:\n${help}")
endif()

execute_process(COMMAND gzip -dc ${prefix}/share/man/man1/tunvex.1.gz OUTPUT_VARIABLE page)
if(NOT page MATCHES "\"tunvex ${VERSION}\"")
  message(FATAL_ERROR "the manual page does not carry version ${VERSION}")
endif()
execute_process(COMMAND gzip -dc ${prefix}/share/doc/tunvex/changelog.gz OUTPUT_VARIABLE changes)
if(NOT changes MATCHES "^tunvex \\(${VERSION}\\) ")
  message(FATAL_ERROR "the changelog has no entry for version ${VERSION} at its top")
endif()
file(REMOVE_RECURSE ${prefix})
