#!/usr/bin/env bash
# Edits a channel list where receivers keep it: on small FAT, exFAT and NTFS
# images mounted through FUSE as a USB stick is, owned by an unprivileged
# user (uid and gid 65534):
#
#   tests/media_test.sh [BUILD_DIR]     (default: build)
#
# On each file system: an in-place edit by root, an in-place edit by that
# user, and a save to a new file by each must exit 0 and leave exactly the
# edited list and no temporary file; on a full stick the save must fail
# with the original bytes kept and nothing left behind. Needs root, /dev/fuse
# and the file systems' tools (dosfstools, fusefat, exfatprogs, exfat-fuse,
# ntfs-3g); without them it says what it skipped, and exits with 77, which
# ctest reports as skipped.
set -uo pipefail
build=$(cd "${1:-build}" && pwd)

skip() { echo "media_test: skipped: $*"; exit 77; }
[ "$(id -u)" = 0 ] || skip "mounting needs root"
[ -c /dev/fuse ] || skip "/dev/fuse is not there"
command -v setpriv >/dev/null || skip "setpriv is not installed"

work=$(mktemp -d "${TMPDIR:-/tmp}/tunvex-media-XXXXXX")
chmod 755 "$work"
mounted="" loop=""
cleanup() {
  [ -z "$mounted" ] || fusermount -u "$mounted" 2>/dev/null || umount -l "$mounted" 2>/dev/null
  [ -z "$loop" ] || losetup -d "$loop" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# tunvex where the user can run it; the lists every case starts from or ends in.
cp "$build/tunvex" "$work/tunvex"
"$build/mkchannels" -n 300 "$work/original.dat"
"$work/tunvex" -f "$work/original.dat" -o "$work/deleted.dat" -d 3 >/dev/null
"$work/tunvex" -f "$work/original.dat" -o "$work/moved.dat" -m 300:1 >/dev/null
as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
owner=uid=65534,gid=65534

# Makes an image, and mounts it on $work/mnt. Returns 1, with the reason in
# $why, when this machine cannot.
mount_fs() {
  local fs=$1 image=$work/$1.img
  rm -rf "$work/mnt" && mkdir "$work/mnt"
  truncate -s 16M "$image"
  case $fs in
  fat)
    command -v mkfs.vfat >/dev/null && command -v fusefat >/dev/null || { why="dosfstools or fusefat is not installed"; return 1; }
    mkfs.vfat "$image" >/dev/null && fusefat -o "rw+,allow_other,$owner" "$image" "$work/mnt" >/dev/null 2>&1
    ;;
  exfat)
    command -v mkfs.exfat >/dev/null && command -v mount.exfat-fuse >/dev/null || { why="exfatprogs or exfat-fuse is not installed"; return 1; }
    # exfat-fuse mounts block devices only.
    mkfs.exfat "$image" >/dev/null && loop=$(losetup -f --show "$image") || { why="no loop device"; return 1; }
    mount.exfat-fuse -o "allow_other,$owner" "$loop" "$work/mnt" >/dev/null 2>&1
    ;;
  ntfs)
    command -v mkntfs >/dev/null && command -v ntfs-3g >/dev/null || { why="ntfs-3g is not installed"; return 1; }
    mkntfs -F -q "$image" >/dev/null 2>&1 && ntfs-3g -o "allow_other,$owner" "$image" "$work/mnt" >/dev/null 2>&1
    ;;
  esac || { why="mounting failed"; return 1; }
  mounted=$work/mnt
}

unmount_fs() {
  fusermount -u "$mounted" || umount -l "$mounted"
  mounted=""
  [ -z "$loop" ] || losetup -d "$loop"
  loop=""
}

failures=0 cases=0 ran=""
fail() { echo "FAIL $fs, $what: $*"; failures=$((failures + 1)); }

# A stick holding the list alone.
fresh() {
  rm -f "$mounted"/* && cp "$work/original.dat" "$mounted/list.dat" || fail "cannot copy the list"
}

# A case: what it is, who runs it, the status, the file to look at and the
# list it must hold, then the arguments.
edit() {
  what=$1 who=$2 status=$3 result=$4 expected=$5
  shift 5
  local runner=()
  [ "$who" = root ] || runner=("${as_user[@]}")
  cases=$((cases + 1))
  (cd "$mounted" && "${runner[@]}" "$work/tunvex" "$@") >"$work/out" 2>&1
  local got=$?
  [ "$got" = "$status" ] || fail "status $got: $(cat "$work/out")"
  cmp -s "$mounted/$result" "$expected" || fail "$result is not the list expected"
}

# Nothing but the names given may be in the directory.
only() {
  local left
  left=$(cd "$mounted" && ls -A | grep -vxF -f <(printf '%s\n' "$@"))
  [ -z "$left" ] || fail "left behind: $left"
}

for fs in fat exfat ntfs; do
  why=""
  if ! mount_fs "$fs"; then
    echo "media_test: $fs skipped: $why"
    [ -z "$loop" ] || losetup -d "$loop"
    loop=""
    continue
  fi
  ran="$ran $fs"
  fresh
  edit "in place by root" root 0 list.dat "$work/deleted.dat" -f list.dat -o list.dat -d 3
  only list.dat
  fresh
  edit "in place by the user" user 0 list.dat "$work/moved.dat" -f list.dat -o list.dat -m 300:1
  only list.dat
  fresh
  edit "to a new file by root" root 0 new.dat "$work/deleted.dat" -f list.dat -o new.dat -d 3
  only list.dat new.dat
  fresh
  edit "to a new file by the user" user 0 new.dat "$work/moved.dat" -f list.dat -o new.dat -m 300:1
  only list.dat new.dat
  fresh
  dd if=/dev/zero of="$mounted/filler" bs=64k 2>/dev/null
  edit "on a full stick" root 1 list.dat "$work/original.dat" -f list.dat -o list.dat -d 3
  grep -q '^Error writing output file: list.dat: ' "$work/out" || fail "no message: $(cat "$work/out")"
  only list.dat filler
  unmount_fs
done

[ -n "$ran" ] || skip "no file system could be mounted"
echo "media_test:$ran: $cases cases, $failures failures"
[ "$failures" = 0 ]
