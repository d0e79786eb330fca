#!/usr/bin/env bash
# Builds the WebAssembly core into BUILD_DIR/web and tests it under node:
#
#   tests/web/run.sh BUILD_DIR differential   # the core against tunvex
#   tests/web/run.sh BUILD_DIR page-chromium  # the page in headless Chromium,
#   tests/web/run.sh BUILD_DIR page-firefox   # in headless Firefox ESR,
#   tests/web/run.sh BUILD_DIR page-webkit    # in WebKitGTK's MiniBrowser under Xvfb
#   tests/web/run.sh BUILD_DIR dist           # dist/tunvex.html against the page built
#   tests/web/run.sh BUILD_DIR licences       # each bundled library's notice in the page and the package
#
# Skipped (status 77) where node, npm, the browser, its driver or the WASI
# toolchain is missing, unless TUNVEX_REQUIRE_WEB is set (CI sets it): then
# that fails. SCREENSHOTS=DIR keeps the page's screenshots there.
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
  skip "the WASI toolchain is not installed (see web/README.md, \"Building it\")"
cmake -S "$root/web" -B "$build/web" >/dev/null
if [ "$what" = differential ]; then
  cmake --build "$build/web" --target tunvex-core >/dev/null
  exec node "$root/tests/web/differential.mjs" "$build/tunvex" "$build/mkchannels" "$build/web/tunvex-core.wasm" \
    "$root/examples/channels.dat"
fi
command -v npm >/dev/null || skip "npm is not installed"
case $what in
  page-chromium)
    [ -x "${CHROMIUM:-/usr/bin/chromium}" ] || skip "Chromium is not installed (apt-get install chromium)" ;;
  page-firefox)
    [ -x "${FIREFOX:-/usr/bin/firefox-esr}" ] ||
      skip "Firefox is not installed (apt-get install --no-install-recommends firefox-esr)" ;;
  page-webkit)
    [ -x "${WEBKIT_WEBDRIVER:-/usr/bin/WebKitWebDriver}" ] &&
      [ -x "${MINIBROWSER:-/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser}" ] ||
      skip "WebKitWebDriver or MiniBrowser is not installed (apt-get install webkit2gtk-driver)"
    command -v Xvfb >/dev/null || skip "Xvfb is not installed (apt-get install xvfb)"
    # MiniBrowser takes the languages it asks pages for from the locale.
    locale -a | grep -qix 'de_DE\.utf-\?8' ||
      skip "the German locale is missing (localedef -i de_DE -f UTF-8 de_DE.UTF-8)" ;;
  dist | licences) ;;
  *) echo "usage: $0 BUILD_DIR differential|page-chromium|page-firefox|page-webkit|dist|licences" >&2; exit 2 ;;
esac
cmake --build "$build/web" >/dev/null
[ "$what" != licences ] || exec node "$root/tests/web/licences.mjs" "$root" "$build"
if [ "$what" = dist ]; then
  # The committed page is what people download and what the package
  # installs: a change to its sources left unrefreshed fails here.
  cmp "$build/web/tunvex.html" "$root/dist/tunvex.html" &&
    cmp "$build/web/page/licences.json" "$root/dist/licences.json" && exit 0
  echo "dist/ is not the page its sources build; refresh it with" >&2
  echo "  cmake -S web -B build-web && cmake --build build-web --target dist" >&2
  exit 1
fi
# Chromium's launcher says "unexpected operator" from its own scripts.
exec node "$root/tests/web/page.mjs" "${what#page-}" "$build/tunvex" "$build/web/tunvex.html" \
  "$root/examples/channels.dat" ${SCREENSHOTS:+"$SCREENSHOTS"} 2> >(grep -v 'unexpected operator' >&2)
