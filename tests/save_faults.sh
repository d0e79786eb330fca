#!/usr/bin/env bash
# Fails an in-place edit one system call at a time, and interrupts it with a
# signal on each call, then checks that the list survived:
#
#   tests/save_faults.sh [BUILD_DIR]     (default: build)
#
# The edit is traced once; then, for every call it makes from main() on and
# every occurrence of that call, strace makes that occurrence fail (with an
# error the call can really give, and with EINTR) and, in separate runs,
# delivers SIGINT, SIGTERM, SIGHUP and SIGKILL on it. After each run:
#   - exit 0: the file is exactly the edited list;
#   - exit 1: a message was printed and the file is exactly the original,
#     or, for a call after the rename that put the new list in place (the
#     directory flush, standard output), exactly the edited list;
#   - a signal: the file is the original or the edited list.
# No temporary file may be left, except after SIGKILL, which cannot be caught.
set -uo pipefail
build=$(cd "${1:-build}" && pwd)
tunvex=$build/tunvex
command -v strace >/dev/null || { echo "save_faults: strace is needed" >&2; exit 2; }

# The errors each call fails with; any call not named fails with EIO.
declare -A plausible=(
  [openat]=EACCES [flock]="ENOLCK EIO" [newfstatat]=EACCES [fstat]=EACCES [statx]=EACCES
  [access]=EACCES [faccessat]=EACCES [faccessat2]=EACCES [readlink]=EACCES
  [write]=ENOSPC [writev]=ENOSPC [fchown]=EPERM [fchmod]=EPERM [rename]=EXDEV
  [mmap]=ENOMEM [brk]=ENOMEM [munmap]=EINVAL [mprotect]=ENOMEM [madvise]=EINVAL
  [rt_sigaction]=EINVAL [rt_sigprocmask]=EINVAL [getrandom]=ENOSYS [fcntl]=EPERM
)
signals=(SIGINT SIGTERM SIGHUP SIGKILL)

work=$(mktemp -d "${TMPDIR:-/tmp}/tunvex-faults-XXXXXX")
trap 'rm -rf "$work"' EXIT
# Two batches to read and write, a megabyte handed to the disk early, and
# the read-back in many pieces: every path of the save is taken.
"$build/mkchannels" -n 2100 "$work/original.dat"
mkdir "$work/d"
list=$work/d/list.dat
edit=(-f "$list" -o "$list" -r 2:Renamed)

cp "$work/original.dat" "$list"
"$tunvex" "${edit[@]}" >/dev/null || { echo "save_faults: the edit itself fails" >&2; exit 1; }
cp "$list" "$work/edited.dat"

# Every call from main() on (its first call sets SIGXFSZ aside), as
# "name occurrence after-the-rename", occurrence counted from the start of
# the trace as strace's when= counts it.
cp "$work/original.dat" "$list"
strace -qq -o "$work/trace" "$tunvex" "${edit[@]}" >/dev/null
awk -F'(' '/^[a-z0-9_]+\(/ {
    n[$1]++
    if ($0 ~ /^rt_sigaction\(SIGXFSZ/) inMain = 1
    if (inMain) print $1, n[$1], renamed + 0
    if ($1 ~ /^rename/) renamed = 1
  }' "$work/trace" >"$work/calls"

runs=0 failures=0
declare -A outcomes=()
fail() { echo "FAIL $name#$nth $what: $*"; failures=$((failures + 1)); }

check() {
  local status=$1 got=unknown
  cmp -s "$list" "$work/original.dat" && got=original
  cmp -s "$list" "$work/edited.dat" && got=edited
  local strays
  strays=$(cd "$work/d" && ls -A | grep -v '^list\.dat$')
  if [ "$what" = signal=SIGKILL ]; then
    strays=$(grep -v '^\.list\.dat\.......$' <<<"$strays")
  fi
  [ -z "$strays" ] || fail "left behind: $strays"
  local key="exit $status, $got"
  outcomes[$key]=$((${outcomes[$key]:-0} + 1))
  case $what in
  signal=*)
    local number
    number=$(kill -l "${what#signal=}")
    [ "$status" = 0 ] || [ "$status" = $((128 + number)) ] || fail "status $status"
    [ "$got" != unknown ] || fail "the file is neither the original nor the edited list"
    [ "$status" != 0 ] || [ "$got" = edited ] || fail "success, but the file is the $got"
    ;;
  *)
    if [ "$status" = 0 ]; then
      [ "$got" = edited ] || fail "success, but the file is the $got"
    elif [ "$status" = 1 ]; then
      grep -qE 'Error|truncated' "$work/out" "$work/err" || fail "failed without a message"
      local expected=original
      [ "$after" = 0 ] || expected=edited
      [ "$got" = "$expected" ] || fail "failed, and the file is the $got, not the $expected"
    else
      fail "status $status"
    fi
    ;;
  esac
}

while read -r name nth after; do
  variants=()
  # exit_group never returns; failing it would only test strace.
  if [ "$name" != exit_group ]; then
    for e in ${plausible[$name]:-EIO} EINTR; do variants+=("error=$e"); done
  fi
  for s in "${signals[@]}"; do variants+=("signal=$s"); done
  for what in "${variants[@]}"; do
    cp "$work/original.dat" "$list"
    strace -qq -o /dev/null -e trace="$name" -e inject="$name:$what:when=$nth" \
      "$tunvex" "${edit[@]}" >"$work/out" 2>"$work/err"
    check $?
    rm -f "$work"/d/.list.dat.*
    runs=$((runs + 1))
  done
# The shell's word on each killed strace is noise here.
done <"$work/calls" 2>/dev/null

for key in "${!outcomes[@]}"; do echo "  $key: ${outcomes[$key]}"; done | sort
# Injection that never made a save fail would prove nothing.
if [ -z "${outcomes[exit 1, original]:-}" ]; then
  echo "FAIL: no injected fault made the edit fail"
  failures=$((failures + 1))
fi
echo "save_faults: $(wc -l <"$work/calls") calls of $(cut -d' ' -f1 "$work/calls" | sort -u | wc -l) kinds, $runs runs, $failures failures"
[ "$failures" = 0 ]
