#!/usr/bin/env bash
# Runs the examples of the README and of doc/ and checks that each prints
# what the page shows under it:
#
#   tests/doc_examples.sh BUILD_DIR [FILE.md...]   (default: README.md doc/*.md)
#
# A block fenced as ```console is an example to check: its lines beginning
# "$ " are commands, the lines after each what it prints (standard output
# and standard error, as a terminal shows them), and "(exit status N)" the
# status of one that fails. Other blocks are not run.
# Each block starts in a directory of its own holding a fresh copy of
# examples/, with the tunvex just built first on the PATH. The blocks become
# the tests of cram (Debian's python3-cram, a tool made for tests of command
# lines), which runs them and shows a difference as a diff against the page.
# Skipped (status 77) without cram3.
set -euo pipefail
build=$(cd "$1" && pwd)
shift
root=$(cd "$(dirname "$0")/.." && pwd)
command -v cram3 >/dev/null || { echo "doc examples: skipped: cram3 is not installed (apt-get install python3-cram)"; exit 77; }
cd "$root"
files=("$@")
shopt -s nullglob
[ ${#files[@]} -gt 0 ] || files=(README.md doc/*.md)
work=$(mktemp -d "${TMPDIR:-/tmp}/tunvex-doc-XXXXXX")
trap 'rm -rf "$work"' EXIT

# One cram test a page; each block is preceded by the page and line it
# comes from, and by the commands (which print nothing) that set it up.
blocks=0
for page in "${files[@]}"; do
  test="$work/$(tr / - <<<"$page").t"
  awk -v page="$page" -v root="$root" -v build="$build" '
    /^```console[ \t]*$/ {
      inside = 1; n++
      printf "%s:%d:\n", page, NR
      printf "  $ cd \"$TESTTMP\" && rm -rf block%d && mkdir block%d && cd block%d && cp -r \"%s/examples\" .\n", n, n, n, root
      printf "  $ export PATH=\"%s:$PATH\"\n", build
      next
    }
    inside && /^```[ \t]*$/ { inside = 0; print ""; next }
    inside && /^\(exit status [0-9]+\)$/ { gsub(/[^0-9]/, ""); print "  [" $0 "]"; next }
    inside { print "  " $0 }
    END { print n + 0 > "/dev/stderr" }
  ' "$page" >"$test" 2>"$test.count"
  count=$(cat "$test.count")
  rm "$test.count"
  if [ "$count" = 0 ]; then
    rm "$test"
  fi
  blocks=$((blocks + count))
done
[ "$blocks" -gt 0 ] || { echo "doc examples: no block to check in ${files[*]}"; exit 1; }
echo "doc examples: $blocks blocks"
cram3 --shell=/bin/bash "$work"/*.t
