#!/usr/bin/env bash
# Builds the WebAssembly core into BUILD_DIR/web and tests it under node:
#
#   tests/web/run.sh BUILD_DIR differential   # the core against tunvex
#   tests/web/run.sh BUILD_DIR page           # the page in headless Chromium
#
# Skipped (status 77) where node, npm, Chromium or the WASI toolchain is
# missing, unless TUNVEX_REQUIRE_WEB is set (CI sets it): then that fails.
set -euo pipefail
build=$(cd "$1" && pwd)
what=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
skip() {
  echo "web $what: skipped: $*"
  [ -z "${TUNVEX_REQUIRE_WEB:-}" ] || exit 1
  exit 77
}
command -v node >/dev/null || skip "node is not installed"
command -v clang++-19 >/dev/null && [ -f /usr/lib/wasm32-wasi/libc++.a ] ||
  skip "the WASI toolchain is not installed (see the README, \"In a browser\")"
cmake -S "$root/web" -B "$build/web" >/dev/null
if [ "$what" = differential ]; then
  cmake --build "$build/web" --target tunvex-core >/dev/null
  exec node "$root/tests/web/differential.mjs" "$build/tunvex" "$build/mkchannels" "$build/web/tunvex-core.wasm" \
    "$root/examples/channels.dat"
fi
command -v npm >/dev/null || skip "npm is not installed"
command -v "${CHROMIUM:-chromium}" >/dev/null || skip "Chromium is not installed (apt-get install chromium)"
cmake --build "$build/web" >/dev/null
# Chromium's launcher says "unexpected operator" from its own scripts.
exec node "$root/tests/web/page.mjs" "$build/tunvex" "$build/web/tunvex.html" "$root/examples/channels.dat" \
  2> >(grep -v 'unexpected operator' >&2)
