#!/usr/bin/env bash
# Builds the WebAssembly core and compares it with the native tunvex under
# node (differential.mjs):
#
#   tests/web/run.sh BUILD_DIR
#
# Skipped (status 77) where node or the WASI toolchain is missing, unless
# TUNVEX_REQUIRE_WEB is set (CI sets it): then that is a failure.
set -euo pipefail
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
skip() {
  echo "web differential: skipped: $*"
  [ -z "${TUNVEX_REQUIRE_WEB:-}" ] || exit 1
  exit 77
}
command -v node >/dev/null || skip "node is not installed"
command -v clang++-19 >/dev/null && [ -f /usr/lib/wasm32-wasi/libc++.a ] ||
  skip "the WASI toolchain is not installed (see the README, \"In a browser\")"
cmake -S "$root/web" -B "$build/web" >/dev/null
cmake --build "$build/web" >/dev/null
exec node "$root/tests/web/differential.mjs" "$build/tunvex" "$build/mkchannels" "$build/web/tunvex-core.wasm" \
  "$root/examples/channels.dat"
