#!/usr/bin/env bash
# Fails an in-place edit one system call at a time, and interrupts it with a
# signal on each call, then checks that the list survived:
#
#   tests/save_faults.sh [BUILD_DIR]     (default: build)
#
# The edit is traced once; then, for every call it makes from main() on and
# every occurrence of that call, strace makes that occurrence fail (with the
# errors the call can really give, and with EINTR) and, in separate runs,
# delivers SIGKILL and two of the signals that should remove the temporary
# file (taken in turn, so that each meets every stage of the save). After
# each run:
#   - exit 0: the file is exactly the edited list;
#   - exit 1: a message was printed and the file is exactly the original,
#     or, for a call after the rename that put the new list in place,
#     exactly the edited list and a message that says so;
#   - a signal: the file is the original or the edited list.
# No temporary file may be left, except after SIGKILL, which cannot be caught.
# Last, a directory that its user may write but not read is edited in, as
# that user: the save succeeds, and a failure to flush it after the rename
# is reported as above; and a dangling link that cannot be followed fails
# the save and stays.
set -uo pipefail
build=$(cd "${1:-build}" && pwd)
tunvex=$build/tunvex
# A build without strace skips, as ctest's SKIP_RETURN_CODE says.
command -v strace >/dev/null || { echo "save_faults: skipped: strace is not installed"; exit 77; }

# The errors each call fails with; any call not named fails with EIO. A file
# system that decides modes and owners itself refuses fchmod and fchown with
# EPERM, ENOSYS or EOPNOTSUPP: the save goes on.
declare -A plausible=(
  [openat]=EACCES [flock]="ENOLCK EIO" [newfstatat]=EACCES [fstat]=EACCES [statx]=EACCES
  [access]=EACCES [faccessat]=EACCES [faccessat2]=EACCES [readlink]=EACCES [readlinkat]=EACCES
  [write]=ENOSPC [writev]=ENOSPC [fchown]="EPERM ENOSYS EOPNOTSUPP" [fchmod]="EPERM ENOSYS EOPNOTSUPP"
  [flistxattr]="EIO EOPNOTSUPP" [fremovexattr]="EPERM EOPNOTSUPP" [fsetxattr]="ENOSPC EPERM"
  [rename]=EXDEV [renameat]=EXDEV [mmap]=ENOMEM [brk]=ENOMEM [munmap]=EINVAL [mprotect]=ENOMEM
  [madvise]=EINVAL [rt_sigaction]=EINVAL [rt_sigprocmask]=EINVAL [getrandom]=ENOSYS [fcntl]=EPERM
)
# Every signal whose default ends the process and that the save cleans up
# after, and the first real-time signal the C library leaves free (34).
catchable=(SIGINT SIGTERM SIGHUP SIGQUIT SIGPIPE SIGALRM SIGUSR1 SIGUSR2 SIGVTALRM SIGXCPU SIGPROF
  SIGIO SIGPWR SIGSTKFLT 34)

work=$(mktemp -d "${TMPDIR:-/tmp}/tunvex-faults-XXXXXX")
trap 'rm -rf "$work"' EXIT
# Two batches to read and write, a megabyte handed to the disk early, and
# the read-back in many pieces: every path of the save is taken.
"$build/mkchannels" -n 2100 "$work/original.dat"
mkdir "$work/d"
list=$work/d/list.dat
edit=(-f "$list" -o "$list" -d 2)
notFlushed="The new list is in place, but it could not be flushed to disk: $list: "

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
    local number=${what#signal=}
    [[ $number =~ ^[0-9]+$ ]] || number=$(kill -l "${number#SIG}")
    [ "$status" = 0 ] || [ "$status" = $((128 + number)) ] || fail "status $status"
    [ "$got" != unknown ] || fail "the file is neither the original nor the edited list"
    [ "$status" != 0 ] || [ "$got" = edited ] || fail "success, but the file is the $got"
    ;;
  *)
    if [ "$status" = 0 ]; then
      [ "$got" = edited ] || fail "success, but the file is the $got"
    elif [ "$status" = 1 ] && [ "$after" = 0 ]; then
      grep -qE 'Error|truncated' "$work/out" "$work/err" || fail "failed without a message"
      [ "$got" = original ] || fail "failed, and the file is the $got, not the original"
    elif [ "$status" = 1 ]; then
      grep -qF "$notFlushed" "$work/out" || fail "failed after the rename without saying so"
      [ "$got" = edited ] || fail "failed after the rename, and the file is the $got"
    else
      fail "status $status"
    fi
    ;;
  esac
}

call=0
while read -r name nth after; do
  variants=()
  # exit_group never returns; failing it would only test strace.
  if [ "$name" != exit_group ]; then
    for e in ${plausible[$name]:-EIO} EINTR; do variants+=("error=$e"); done
  fi
  variants+=(signal=SIGKILL)
  for k in 0 7; do variants+=("signal=${catchable[(call + k) % ${#catchable[@]}]}"); done
  call=$((call + 1))
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

# A directory that its user may write and search but not read (0333): the
# rename is made durable by flushing the file system instead of the
# directory, and a failure of that flush comes after the rename.
blind() {
  local expected=$1 message=$2
  shift 2
  rm -rf "$work/blind" && mkdir "$work/blind"
  cp "$work/original.dat" "$work/blind/list.dat"
  chown -R 65534:65534 "$work/blind" && chmod 333 "$work/blind"
  local list=$work/blind/list.dat
  "$@" setpriv --reuid=65534 --regid=65534 --clear-groups \
    "$work/tunvex" -f "$list" -o "$list" -d 2 >"$work/out" 2>"$work/err"
  local status=$?
  runs=$((runs + 1))
  what="unreadable directory" name=syncfs nth=1
  [ "$status" = "$expected" ] || fail "status $status: $(cat "$work/out" "$work/err")"
  cmp -s "$list" "$work/edited.dat" || fail "the file is not the edited list"
  [ "$(ls -A "$work/blind")" = list.dat ] || fail "left behind: $(ls -A "$work/blind")"
  [ -z "$message" ] || grep -qF "$message$list: " "$work/out" || fail "no message after the rename"
}
if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null; then
  chmod 755 "$work" && cp "$tunvex" "$work/tunvex"
  blind 0 ""
  blind 1 "${notFlushed%%: *}: " strace -qq -o /dev/null -e trace=syncfs -e inject=syncfs:error=EIO
else
  echo "save_faults: the unreadable directory is skipped: it needs root and setpriv"
fi

# A dangling symbolic link that cannot be followed to its target: the save
# fails, and the link stays a link.
mkdir "$work/links" && ln -s missing.dat "$work/links/link.dat"
strace -qq -o /dev/null -e trace=readlink,readlinkat -e inject=readlink,readlinkat:error=EACCES \
  "$tunvex" -f "$work/original.dat" -o "$work/links/link.dat" -d 2 >"$work/out" 2>&1
status=$? runs=$((runs + 1)) what="dangling link" name=readlinkat nth=1
[ "$status" = 1 ] || fail "status $status"
[ "$(cat "$work/out")" = "Error opening output file: $work/links/link.dat" ] || fail "$(cat "$work/out")"
[ -L "$work/links/link.dat" ] && [ "$(ls -A "$work/links")" = link.dat ] || fail "the link was replaced"

for key in "${!outcomes[@]}"; do echo "  $key: ${outcomes[$key]}"; done | sort
# Injection that never made a save fail would prove nothing.
if [ -z "${outcomes[exit 1, original]:-}" ]; then
  echo "FAIL: no injected fault made the edit fail"
  failures=$((failures + 1))
fi
echo "save_faults: $(wc -l <"$work/calls") calls of $(cut -d' ' -f1 "$work/calls" | sort -u | wc -l) kinds, $runs runs, $failures failures"
[ "$failures" = 0 ]
