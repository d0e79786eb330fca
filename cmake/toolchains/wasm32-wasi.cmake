# WebAssembly for the browser, through WASI: Debian's clang-19 and lld-19,
# with wasi-libc and libc++ built for wasm32 (packages clang-19, lld-19,
# wasi-libc, libc++-19-dev-wasm32, libc++abi-19-dev-wasm32,
# libclang-rt-19-dev-wasm32).
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
set(CMAKE_CXX_COMPILER clang++-19)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
# A sysroot of WASI's headers and libraries alone: with /usr itself, a
# header WASI lacks would silently come from the host.
set(wasi_sysroot ${CMAKE_BINARY_DIR}/wasi-sysroot)
file(MAKE_DIRECTORY ${wasi_sysroot}/include ${wasi_sysroot}/lib)
foreach(dir include/wasm32-wasi lib/wasm32-wasi)
  if(NOT EXISTS ${wasi_sysroot}/${dir})
    file(CREATE_LINK /usr/${dir} ${wasi_sysroot}/${dir} SYMBOLIC)
  endif()
endforeach()
set(CMAKE_SYSROOT ${wasi_sysroot})
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
