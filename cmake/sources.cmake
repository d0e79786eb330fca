# The sources of the floors that work on a list in memory, named once for
# the command line's build and the WebAssembly module's (web/).
set(TUNVEX_STORE_SOURCES
  store/channel.cpp
  store/crc32.cpp
  store/crc32_block.cpp
  store/crc32_folded.cpp
  store/list_check.cpp
  store/list_image.cpp
  store/list_load.cpp
  store/record_codec.cpp
  store/record_pool.cpp)
set(TUNVEX_OPS_SOURCES
  ops/apply.cpp
  ops/delete.cpp
  ops/list.cpp
  ops/list_state.cpp
  ops/listing_lines.cpp
  ops/listing_reader.cpp
  ops/match.cpp
  ops/move.cpp
  ops/number.cpp
  ops/reference_file.cpp
  ops/rename.cpp)
