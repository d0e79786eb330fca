#!/usr/bin/env bash
# Fails an in-place edit one system call at a time, and interrupts it with a
# signal on each call, then checks that the list survived:
#
#   tests/save_faults.sh [BUILD_DIR]     (default: build)
#
# Three edits: one replaced by a rename, and, as root can arrange them, two
# overwritten in place behind a backup (a writable list in a directory its
# user may not write, and a bind-mounted list); then a rename and a listing
# applied through standard output opened on the list itself (-o /dev/stdout
# 1<>list.dat), where a message printed into the list would damage it and
# its backup; an --edit, replaced by a rename and, signals only, overwritten
# in place; and, signals only, an edit in place started without standard
# error, where the list must not take descriptor 2 and a signal's message.
# Each is traced once; then,
# for every call it makes from main() on and every occurrence of that call,
# strace makes that occurrence fail (with the errors the call can really
# give, and with EINTR) and, in separate runs, delivers SIGKILL and two of
# the signals that should clean up (taken in turn, so that each meets every
# stage of the save). After each run:
#   - exit 0: the file is exactly the edited list;
#   - exit 1: a message was printed and the file is exactly the original,
#     or, for a call after the point of no return (the rename, or the
#     removal of the backup), exactly the edited list and a message that
#     says so;
#   - a signal: the file is the original or the edited list;
#   - or else the backup holds the original list and the run named it.
# A file of a backup's name, whenever there is one, holds the whole original.
# No temporary file or backup may be left otherwise, except after SIGKILL,
# which cannot be caught; nor the editor's directory, unless the run said
# that it keeps the edited listing there.
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
  [rename]="EXDEV EBUSY" [renameat]="EXDEV EBUSY" [pread64]=EIO [pwrite64]=ENOSPC [ftruncate]=EIO
  [fsync]=EIO [mmap]=ENOMEM [munmap]=EINVAL [mprotect]=ENOMEM
  [madvise]=EINVAL [rt_sigaction]=EINVAL [rt_sigprocmask]=EINVAL [getrandom]=ENOSYS [fcntl]=EPERM
)
# Every signal whose default ends the process and that the save cleans up
# after, and the first real-time signal the C library leaves free (34).
catchable=(SIGINT SIGTERM SIGHUP SIGQUIT SIGPIPE SIGALRM SIGUSR1 SIGUSR2 SIGVTALRM SIGXCPU SIGPROF
  SIGIO SIGPWR SIGSTKFLT SIGABRT SIGSYS 34)

work=$(mktemp -d "${TMPDIR:-/tmp}/tunvex-faults-XXXXXX")
cleanup() {
  mountpoint -q "$work/bound/list.dat" 2>/dev/null && umount "$work/bound/list.dat"
  rm -rf "$work"
}
trap cleanup EXIT
chmod 755 "$work" && cp "$tunvex" "$work/tunvex"
# Two batches to read and write, a megabyte handed to the disk early, and
# the read-back in many pieces: every path of the save is taken.
"$build/mkchannels" -n 2100 "$work/original.dat"
mkdir -m 777 "$work/tmp"
export TMPDIR=$work/tmp
runs=0 failures=0
declare -A outcomes=()
fail() { echo "FAIL $scenario: $name#$nth $what: $*"; failures=$((failures + 1)); }

# The file as the run left it, and what is left beside it or in $TMPDIR: a
# temporary file or a backup only after SIGKILL, or where the run named it;
# a backup it named holds the original list.
check() {
  local status=$1 got=unknown
  cmp -s "$list" "$work/original.dat" && got=original
  cmp -s "$list" "$work/edited.dat" && got=edited
  local strays backup path
  strays=$( (cd "$dir" && ls -A; ls -A "$TMPDIR") | grep -vxF list.dat)
  backup=$(grep -E '^list\.dat\.old-......$' <<<"$strays")
  if [ -n "$backup" ]; then
    strays=$(grep -vxF "$backup" <<<"$strays")
    path=$(ls -d "$dir/$backup" "$TMPDIR/$backup" 2>/dev/null)
    # A file of a backup's name is only ever the whole original list.
    cmp -s "$path" "$work/original.dat" || fail "the backup $path is not the whole original list"
    if grep -qF "$path" "$work/out" "$work/err"; then
      [ "$got" != unknown ] || got="in the backup"
    elif [ "$no_stderr" = 1 ] && [[ $what = signal=* ]]; then
      [ "$got" != unknown ] || got="in the backup"  # nowhere to say it
    elif [ "$what" != signal=SIGKILL ]; then
      fail "left behind, and not named: $backup"
    elif [ "$got" = unknown ]; then
      got="in the backup"
    fi
  fi
  # A temporary file only after SIGKILL, or where the run said it is.
  local stray
  for stray in $strays; do
    [ "$what" = signal=SIGKILL ] && [[ $stray =~ ^(\.list\.dat\.......|tunvex-......)$ ]] && continue
    grep -qF "Error removing temporary file: $dir/$stray: " "$work/out" "$work/err" && continue
    grep -qF "the edited listing is kept in $TMPDIR/$stray/" "$work/err" && continue
    grep -qF "Error removing the editor's directory: $TMPDIR/$stray: " "$work/err" && continue
    fail "left behind: $stray"
  done
  local key="$scenario: exit $status, $got"
  outcomes[$key]=$((${outcomes[$key]:-0} + 1))
  # Once the new list is flushed, a signal says that the file holds it.
  if grep -qF " holds the new list; the old one is kept in " "$work/err"; then
    [ "$got" = edited ] || fail "said the file holds the new list, but it is the $got"
  fi
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
    elif [ "$status" = 1 ] && [ "$got" = edited ] && grep -qF "The list is saved in " "$work/err"; then
      : # saved, and then its messages could not be written, which it says
    elif [ "$status" = 1 ] && [ "$after" = 0 ]; then
      [ -s "$work/out" ] || [ -s "$work/err" ] || fail "failed without a message"
      [ "$got" = original ] || [ "$got" = "in the backup" ] || fail "failed, and the file is the $got, not the original"
    elif [ "$status" = 1 ]; then
      grep -qF "The new list is in place, but " "$work/out" "$work/err" ||
        fail "failed after the point of no return without saying so"
      [ "$got" = edited ] || fail "failed after the point of no return, and the file is the $got"
    else
      fail "status $status"
    fi
    ;;
  esac
  # Whatever happened, no message is in the list or its backup.
  if grep -qaE 'Channel [0-9]+ = "|Error |[0-9]+ kept, |Interrupted' "$list" ${path:+"$path"}; then
    fail "a message is in the list or its backup"
  fi
}

# Runs an edit with its output where the scenario wants it: standard output
# and error in files, or standard output on the list itself.
run_edit() {
  local status
  if [ "$no_stderr" = 1 ]; then
    "$@" >"$work/out" 2>&-
    status=$?
    : >"$work/err"
    return $status
  fi
  if [ "$via_stdout" = 1 ]; then
    "$@" 1<>"$list" 2>"$work/err"
    status=$?
    : >"$work/out"
    return $status
  fi
  "$@" >"$work/out" 2>"$work/err"
}

# Traces one edit of $list by "${runner[@]}", then fails each of its calls
# in turn and signals it on each. The point of no return is the rename, or,
# for a list overwritten in place, the removal of its backup.
inject_all() {
  local edit=(-f "$list" -o "$list" -d 2)
  [ ${#edit_of[@]} -eq 0 ] || edit=("${edit_of[@]}")
  cp "$work/original.dat" "$list"
  run_edit "${runner[@]}" "$work/tunvex" "${edit[@]}" || { fail "the edit itself fails: $(cat "$work/out" "$work/err")"; return; }
  cp "$list" "$work/edited.dat"
  # Every call from main() on (its first call sets SIGXFSZ aside), as
  # "name occurrence after-the-point-of-no-return", occurrence counted
  # from the start of the trace as strace's when= counts it.
  cp "$work/original.dat" "$list"
  run_edit "${runner[@]}" strace -qq -o "$TMPDIR/trace" "$work/tunvex" "${edit[@]}"
  mv "$TMPDIR/trace" "$work/trace"
  awk -F'(' '/^[a-z0-9_]+\(/ {
      n[$1]++
      if ($0 ~ /^rt_sigaction\(SIGXFSZ/) inMain = 1
      if ($0 ~ /^unlinkat\(.*\.old-/) renamed = 1
      if (inMain) print $1, n[$1], renamed + 0
      if ($1 ~ /^rename/ && $0 !~ /= -1/ && $0 !~ /\.old-/) renamed = 1
    }' "$work/trace" >"$work/calls"
  local call=0 variants
  while read -r name nth after; do
    variants=()
    # exit_group never returns; failing it would only test strace. brk
    # never fails with an error number: the kernel gives back the old break,
    # and an injected -ENOMEM would be taken for a break.
    if [ "$name" != exit_group ] && [ "$name" != brk ] && [ "$signals_only" != 1 ]; then
      for e in ${plausible[$name]:-EIO} EINTR; do variants+=("error=$e"); done
    fi
    variants+=(signal=SIGKILL)
    for k in 0 7; do variants+=("signal=${catchable[(call + k) % ${#catchable[@]}]}"); done
    call=$((call + 1))
    for what in "${variants[@]}"; do
      cp "$work/original.dat" "$list"
      run_edit "${runner[@]}" strace -qq -o /dev/null -e trace="$name" -e inject="$name:$what:when=$nth" \
        "$work/tunvex" "${edit[@]}"
      check $?
      rm -rf "$dir"/.list.dat.* "$dir"/list.dat.old-* "$TMPDIR"/* "$TMPDIR"/.list.dat.*
      runs=$((runs + 1))
    done
  # The shell's word on each killed strace is noise here.
  done <"$work/calls" 2>/dev/null
  echo "save_faults: $scenario: $(wc -l <"$work/calls") calls of $(cut -d' ' -f1 "$work/calls" | sort -u | wc -l) kinds"
}

# Replaced through a temporary file and a rename, as root.
via_stdout=0 no_stderr=0 signals_only=0 edit_of=()
scenario="renamed" dir=$work/d list=$work/d/list.dat runner=()
mkdir "$dir"
inject_all
# Overwritten in place behind a backup in $TMPDIR: a writable list in a
# directory its user may not write; and, found only at the rename, a list
# that is a mount point.
as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null; then
  scenario="in place" dir=$work/ro list=$work/ro/list.dat runner=("${as_user[@]}")
  mkdir "$dir" && touch "$list" && chmod 666 "$list"
  inject_all
  scenario="bind mount" dir=$work/bound list=$work/bound/list.dat runner=()
  mkdir "$dir" && touch "$list" "$work/real.dat"
  mount --bind "$work/real.dat" "$list" && inject_all || echo "save_faults: the bind mount is skipped: mount failed"
else
  echo "save_faults: overwriting in place is skipped: it needs root and setpriv"
fi

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
  "$@" "${as_user[@]}" "$work/tunvex" -f "$list" -o "$list" -d 2 >"$work/out" 2>"$work/err"
  local status=$?
  runs=$((runs + 1))
  scenario="unreadable directory" what="" name=syncfs nth=1
  [ "$status" = "$expected" ] || fail "status $status: $(cat "$work/out" "$work/err")"
  cmp -s "$list" "$work/edited.dat" || fail "the file is not the edited list"
  [ "$(ls -A "$work/blind")" = list.dat ] || fail "left behind: $(ls -A "$work/blind")"
  [ -z "$message" ] || grep -qF "$message$list: " "$work/out" || fail "no message after the rename"
}
if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null; then
  blind 0 ""
  blind 1 "The new list is in place, but it could not be flushed to disk: " strace -qq -o /dev/null -e trace=syncfs -e inject=syncfs:error=EIO
else
  echo "save_faults: the unreadable directory is skipped: it needs root and setpriv"
fi

# A dangling symbolic link that cannot be followed to its target: the save
# fails, and the link stays a link.
mkdir "$work/links" && ln -s missing.dat "$work/links/link.dat"
strace -qq -o /dev/null -e trace=readlink,readlinkat -e inject=readlink,readlinkat:error=EACCES \
  "$tunvex" -f "$work/original.dat" -o "$work/links/link.dat" -d 2 >"$work/out" 2>&1
status=$? runs=$((runs + 1)) scenario="dangling link" what="" name=readlinkat nth=1
[ "$status" = 1 ] || fail "status $status"
[ "$(cat "$work/out")" = "Error opening output file: $work/links/link.dat
$work/links/link.dat: Permission denied" ] || fail "$(cat "$work/out")"
[ -L "$work/links/link.dat" ] && [ "$(ls -A "$work/links")" = link.dat ] || fail "the link was replaced"

# Written through standard output opened on the list itself: overwritten
# in place, behind a backup in $TMPDIR named after the list; every message
# goes to standard error. A rename prints before it saves; so does a
# listing applied.
via_stdout=1 runner=()
dir=$work/so list=$work/so/list.dat
mkdir "$dir"
scenario="standard output, -r" edit_of=(-f "$list" -o /dev/stdout -r 2:Renamed)
inject_all
"$tunvex" -f "$work/original.dat" -l >"$work/listed"
{ tail -n 1 "$work/listed"; head -n -1 "$work/listed"; } | sed 's/^2:[^:]*:[^:]*:/2:Renamed:/' >"$work/order.txt"
scenario="standard output, --apply" edit_of=(-f "$list" -o /dev/stdout --apply "$work/order.txt")
inject_all
via_stdout=0 edit_of=()

# --edit, its editor a script that deletes channel 2: the save's cleanup
# and the editor's directory under one handler.
editor=(env "VISUAL=sed -i /^2:/d")
dir=$work/e list=$work/e/list.dat
mkdir "$dir"
scenario="--edit" edit_of=(-f "$list" -o "$list" --edit) runner=("${editor[@]}")
inject_all
if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null; then
  signals_only=1
  scenario="--edit in place" dir=$work/ero list=$work/ero/list.dat runner=("${editor[@]}" "${as_user[@]}")
  edit_of=(-f "$list" -o "$list" --edit)
  mkdir "$dir" && touch "$list" && chmod 666 "$list"
  inject_all
  # Another list read, so that the first file opened for writing is the
  # list: descriptor 2, were it free.
  no_stderr=1
  scenario="in place, without standard error" dir=$work/ne list=$work/ne/list.dat runner=("${as_user[@]}")
  edit_of=(-f "$work/original.dat" -o "$list" -d 2)
  mkdir "$dir" && touch "$list" && chmod 666 "$list"
  inject_all
  signals_only=0 no_stderr=0 edit_of=()
fi

for key in "${!outcomes[@]}"; do echo "  $key: ${outcomes[$key]}"; done | sort
# Injection that never made a save fail would prove nothing.
if [ -z "${outcomes[renamed: exit 1, original]:-}" ]; then
  echo "FAIL: no injected fault made the edit fail"
  failures=$((failures + 1))
fi
echo "save_faults: $runs runs, $failures failures"
[ "$failures" = 0 ]
