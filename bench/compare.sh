#!/usr/bin/env bash
# Times tunvex against cp on channel lists made by mkchannels and prints the
# tables of doc/performance.md.
#
#   bench/compare.sh [RUNS] [apply|check|match]   (default 11 runs of
#                                      each command, alternating; "apply",
#                                      "check" or "match": that table only)
#
# Uses only bash, cp, sync, sort, awk and GNU time. Files go to a scratch directory
# under TMPDIR (default /tmp): time it on the disk you care about.
set -euo pipefail
runs=${1:-11}
only=${2:-}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-bench
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTUNVEX_TESTS=OFF -DTUNVEX_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target tunvex mkchannels >/dev/null
tunvex=$build/tunvex
work=$(mktemp -d "${TMPDIR:-/tmp}/tunvex-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT
cd "$work"

now() { echo "${EPOCHREALTIME/./}"; }  # microseconds
# Prints the microseconds one run of the command took. Each run starts with
# the disk idle: sync first, untimed, so that no run pays for the write-back
# of the run before it.
timed() { local s e; sync; s=$(now); "$@" >/dev/null; e=$(now); echo $((e - s)); }
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ms() { awk -v us="$1" 'BEGIN { printf "%.2f", us / 1000 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# Alternates tunvex (moving the last channel to the front) with cp of the
# same file; sets t_tunvex and t_cp to the medians in microseconds. A third
# argument is the output file instead of one beside the input.
compare() {
  local file=$1 last=$2 out=${3:-out-$1} i
  : >tunvex.times; : >cp.times
  for ((i = 0; i < runs; i++)); do
    timed "$tunvex" -f "$file" -o "$out" -m "$last":1 >>tunvex.times
    timed cp "$file" "copy-$file" >>cp.times
  done
  t_tunvex=$(median <tunvex.times)
  t_cp=$(median <cp.times)
}

# Alternates --apply of the reversed listing with -m N:1 on the same list,
# into a file beside it; sets t_apply and t_move to the medians, and
# r_apply to the median of the ratios of each pair.
compare_apply() {
  local file=$1 n=$2 i a m
  "$tunvex" -f "$file" -l | tac >"rev-$file.txt"
  : >apply.times; : >move.times; : >pair.ratios
  for ((i = 0; i < runs; i++)); do
    a=$(timed "$tunvex" -f "$file" -o "out-$file" --apply "rev-$file.txt")
    m=$(timed "$tunvex" -f "$file" -o "out-$file" -m "$n":1)
    echo "$a" >>apply.times; echo "$m" >>move.times; ratio "$a" "$m" >>pair.ratios; echo >>pair.ratios
  done
  t_apply=$(median <apply.times)
  t_move=$(median <move.times)
  r_apply=$(median <pair.ratios)
}

# A pipeline through sh, a plain command directly, so that a pair pays for
# the same shells.
run() { case $1 in *"|"*) sh -c "$1" >/dev/null 2>&1 ;; *) $1 >/dev/null 2>&1 ;; esac; }

# Runs two commands in turn RUNS times, each from a warm page cache and
# without a sync (they only read), and prints the median time of each and
# the median of the ratios of the pairs.
pair() {
  local label=$1 a=$2 b=$3 i s m e
  : >a.times; : >b.times; : >pair.ratios
  for ((i = 0; i < runs; i++)); do
    s=$(now); run "$a"; m=$(now); run "$b"; e=$(now)
    echo $((m - s)) >>a.times; echo $((e - m)) >>b.times; ratio $((m - s)) $((e - m)) >>pair.ratios; echo >>pair.ratios
  done
  echo "| $label | $(ms "$(median <a.times)") | $(ms "$(median <b.times)") | $(median <pair.ratios) |"
}

check_table() {
  cat big.dat >/dev/null
  echo "Reading the 65,535-channel list; median of $runs pairs each, alternating; ms."
  echo
  echo "| Run | tunvex | against | ratio of the pairs |"
  echo "|---|---|---|---|"
  pair "--check -f big.dat, just written, against cat big.dat > /dev/null" "$tunvex --check -f big.dat" "cat big.dat"
  # A file read in from disk sits in the page cache in smaller pieces than
  # one just written, and costs more to map.
  if [ "$(id -u)" = 0 ] && sync && echo 1 >/proc/sys/vm/drop_caches 2>/dev/null; then
    cat big.dat >/dev/null
    pair "--check -f big.dat, read in from disk, against cat" "$tunvex --check -f big.dat" "cat big.dat"
  fi
  pair "--check from a pipe, against cat big.dat \| wc -c" "cat big.dat | $tunvex --check -f /dev/stdin" \
    "cat big.dat | wc -c"
  pair "-l from a pipe, against cat big.dat \| wc -c" "cat big.dat | $tunvex -f /dev/stdin -l" "cat big.dat | wc -c"
  "$tunvex" -f big.dat -l | shuf --random-source=big.dat >shuffled.txt
  pair "--match of a shuffled listing of itself, against -l" "$tunvex -f big.dat --match shuffled.txt" \
    "$tunvex -f big.dat -l"
}

# References of bare numbers, none a channel of the list: numbers alike in
# their low bits once all fell in one run of the table of numbers seen, and
# took seconds where random ones take milliseconds.
match_table() {
  seq 524288 524288 $((524288 * 81919)) >pow19.txt
  seq 65536 65536 $((65536 * 655359)) >pow16.txt
  shuf -i 1-4294967295 -n 655359 --random-source=big.dat >random.txt
  head -n 81919 random.txt >random-short.txt
  echo "--match of references of bare numbers against the 1,000-channel list; median of $runs runs each; ms."
  echo
  echo "| Reference | --match |"
  echo "|---|---|"
  local item file i s e
  for item in "pow19.txt:81,919 multiples of 2^19" "random-short.txt:81,919 random numbers below 2^32" \
    "pow16.txt:655,359 multiples of 2^16" "random.txt:655,359 random numbers below 2^32"; do
    file=${item%%:*}
    : >match.times
    for ((i = 0; i < runs; i++)); do
      s=$(now); run "$tunvex -f small.dat --match $file"; e=$(now)
      echo $((e - s)) >>match.times
    done
    echo "| ${item#*:} | $(ms "$(median <match.times)") |"
  done
}

apply_table() {
  echo "Applying the reversed listing, against one move; median of $runs runs each, alternating; ms."
  echo
  echo "| Channels | --apply | -m N:1 | ratio of the pairs | --apply per channel |"
  echo "|---|---|---|---|---|"
  local item file n
  for item in small.dat:1000 mid.dat:8000 big.dat:65535; do
    file=${item%%:*} n=${item##*:}
    compare_apply "$file" "$n"
    echo "| $n | $(ms "$t_apply") | $(ms "$t_move") | $r_apply |" \
      "$(awk -v t="$t_apply" -v n="$n" 'BEGIN { printf "%.3f", t / n }') us |"
  done
  local size listing peak limit
  size=$(stat -c %s big.dat) listing=$(stat -c %s rev-big.dat.txt)
  peak=$(/usr/bin/time -f %M "$tunvex" -f big.dat -o out.dat --apply rev-big.dat.txt 2>&1 >/dev/null | tail -n 1)
  limit=$(awk -v s="$size" -v l="$listing" 'BEGIN { printf "%d", (1.15 * s + 2 * l + 4 * 1048576) / 1024 }')
  echo
  echo "Peak resident memory, --apply on 65,535 channels: $peak KiB (limit 1.15 x file + 2 x listing + 4 MiB = $limit KiB)"
}

"$build/mkchannels" -n 65535 big.dat
"$build/mkchannels" -n 8000 mid.dat
"$build/mkchannels" -n 1000 small.dat
"$build/mkchannels" -n 1 one.dat
cp "$root/examples/channels.dat" example.dat

case $only in
apply | check | match)
  "${only}_table"
  exit
  ;;
esac

echo "Median of $runs runs each, alternating; times in ms."
echo
echo "| Run | tunvex | cp | ratio | target |"
echo "|---|---|---|---|---|"
compare big.dat 65535
echo "| 65,535 channels ($(stat -c %s big.dat) bytes), -m 65535:1 | $(ms "$t_tunvex") | $(ms "$t_cp") | $(ratio "$t_tunvex" "$t_cp") | at most 2.0 |"
compare example.dat 12
echo "| example list (12 channels), -m 12:1 | $(ms "$t_tunvex") | $(ms "$t_cp") | $(ratio "$t_tunvex" "$t_cp") | at most 1.5 |"

size=$(stat -c %s big.dat)
peak_kb=$(/usr/bin/time -f %M "$tunvex" -f big.dat -o out.dat -m 65535:1 2>&1 >/dev/null | tail -n 1)
limit_kb=$(awk -v s="$size" 'BEGIN { printf "%d", (1.15 * s + 4 * 1048576) / 1024 }')
echo
echo "Peak resident memory, 65,535 channels: $peak_kb KiB (limit 1.15 x file + 4 MiB = $limit_kb KiB)"

echo
# Small differences of a millisecond or less: more runs to steady the medians.
runs=$((runs * 3))
echo
echo "Median of $runs runs each; start-up is the time for a list of one channel."
echo
echo "| Channels | tunvex | per channel, start-up aside | the same to /dev/null, per channel |"
echo "|---|---|---|---|"
compare one.dat 1
base=$t_tunvex
compare one.dat 1 /dev/null
base_null=$t_tunvex
echo "| 1 | $(ms "$base") | | |"
for item in small.dat:1000 mid.dat:8000 big.dat:65535; do
  file=${item%%:*} n=${item##*:}
  compare "$file" "$n"
  per=$(awk -v t="$t_tunvex" -v b="$base" -v n="$n" 'BEGIN { printf "%.3f", (t - b) / (n - 1) }')
  total=$t_tunvex
  compare "$file" "$n" /dev/null
  per_null=$(awk -v t="$t_tunvex" -v b="$base_null" -v n="$n" 'BEGIN { printf "%.3f", (t - b) / (n - 1) }')
  echo "| $n | $(ms "$total") | $per us | $per_null us |"
done

echo
apply_table

echo
check_table

echo
match_table
