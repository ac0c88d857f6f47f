#!/usr/bin/env bash
# Builds in Release, times the program on generated models against `cat` of the same bytes, and
# prints a table. Each case runs as alternating pairs (baseline, program), the order swapped every
# other pair; the table gives the median wall time of each side, the median of the per-pair
# ratios, the time against the previous size of the same case, and the program's peak resident
# memory (from /usr/bin/time).
#
# Usage: bench/run.sh [--pairs N] [--program PATH] [--quick] [--only CASES]
#   --pairs N       pairs per case (default 7)
#   --program PATH  time this executable instead of the one built here
#   --quick         small sizes only, for a check that the script works
#   --only CASES    these cases only, comma-separated: long, short, vrf, comment, twice,
#                   small
# Inputs are written to a temporary folder on /dev/shm when there is one, so that the disk does
# not take part in the measurement.
set -euo pipefail
cd "$(dirname "$0")/.."

pairs=7
program=""
quick=0
only=long,short,vrf,comment,twice,small
while [ $# -gt 0 ]; do
  case $1 in
    --pairs) pairs=$2; shift 2 ;;
    --program) program=$(realpath "$2"); shift 2 ;;
    --quick) quick=1; shift ;;
    --only) only=$2; shift 2 ;;
    *) echo "usage: bench/run.sh [--pairs N] [--program PATH] [--quick] [--only CASES]" >&2; exit 2 ;;
  esac
done

cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DVAK_BUILD_TESTS=OFF >/dev/null
cmake --build build-release -j2 >/dev/null
make_model=$PWD/build-release/bench/vak_make_model
[ -n "$program" ] || program=$PWD/build-release/expandVAKobjects

root=/tmp
[ -d /dev/shm ] && [ -w /dev/shm ] && root=/dev/shm
work=$(mktemp -d "$root/vak-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

median() { sort -g | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

# Runs one shell command line in the case folder; prints its wall time in seconds and its peak
# resident memory in KiB. The command execs, so that the memory is the measured program's.
timed() {  # folder, command line
  local start end
  cd "$1"
  start=$EPOCHREALTIME
  /usr/bin/time -f %M -o "$work/mem" sh -c "$2" >/dev/null 2>&1
  end=$EPOCHREALTIME
  cd - >/dev/null
  echo "$(awk "BEGIN{print $end - $start}") $(tail -n 1 "$work/mem")"
}

printf '%-26s %9s %10s %10s %7s %9s %9s\n' case size "cat (s)" "prog (s)" ratio doubling "peak MiB"
previous_group="" previous_time=""

# Times the program in folder $1 (holding in.idf) against the baseline command $2, `reps` runs
# of each per sample; `feed`, when given, runs in the background before either, in the same
# shell (to fill a named pipe).
measure() {  # label, group, size label, folder, baseline command, reps[, feed]
  local label=$1 group=$2 size=$3 dir=$4 baseline=$5 reps=$6 feed=${7:-}
  local loop="for i in \$(seq $reps); do"
  local base_cmd="$loop $baseline; done" prog_cmd
  if [ "$reps" -eq 1 ]; then
    base_cmd="${feed:+$feed & }exec $baseline"
    prog_cmd="${feed:+$feed & }exec '$program'"
  else
    prog_cmd="$loop '$program'; done"
  fi
  : >"$work/base" && : >"$work/prog" && : >"$work/ratio" && : >"$work/peak"
  for ((i = 0; i < pairs; i++)); do
    local b p
    if ((i % 2 == 0)); then
      b=$(timed "$dir" "$base_cmd")
      p=$(timed "$dir" "$prog_cmd")
    else
      p=$(timed "$dir" "$prog_cmd")
      b=$(timed "$dir" "$base_cmd")
    fi
    echo "${b% *}" >>"$work/base"
    echo "${p% *}" >>"$work/prog"
    echo "${p#* }" >>"$work/peak"
    awk "BEGIN{print ${p% *}/${b% *}}" >>"$work/ratio"
  done
  local bt pt ratio peak doubling="-"
  bt=$(median <"$work/base")
  pt=$(median <"$work/prog")
  ratio=$(median <"$work/ratio")
  peak=$(sort -g "$work/peak" | tail -n 1)
  [ "$reps" -eq 1 ] || { bt=$(awk "BEGIN{print $bt/$reps}"); pt=$(awk "BEGIN{print $pt/$reps}"); }
  if [ "$group" = "$previous_group" ]; then doubling=$(awk "BEGIN{printf \"%.2f\", $pt/$previous_time}"); fi
  previous_group=$group previous_time=$pt
  printf '%-26s %9s %10.4f %10.4f %7.2f %9s %9.1f\n' "$label" "$size" "$bt" "$pt" "$ratio" \
    "$doubling" "$(awk "BEGIN{print $peak/1024}")"
}

wanted() { [[ ",$only," == *",$1,"* ]]; }

mib() { awk "BEGIN{printf \"%.0f MB\", $(stat -c %s "$1")/1e6}"; }

# Pass-through of ordinary text, against `cat` of the same file.
if ((quick)); then sizes=(2 4 8); else sizes=(50 100 200); fi
for kind in long short; do
  wanted "$kind" || continue
  for mb in "${sizes[@]}"; do
    dir=$work/$kind-$mb && mkdir "$dir"
    "$make_model" "$kind" "$mb" >"$dir/in.idf"
    measure "$kind lines" "$kind" "$(mib "$dir/in.idf")" "$dir" "cat in.idf > out.idf" 1
    rm -f "$dir"/*
  done
done

# VRF expansion, against `cat` of a file as large as the output.
if ((quick)); then units=(5:200 10:400 20:800); else units=(125:5000 250:10000 500:20000); fi
for u in "${units[@]}"; do
  wanted vrf || break
  outdoor=${u%:*} indoor=${u#*:}
  dir=$work/vrf-$outdoor && mkdir "$dir"
  "$make_model" vrf "$outdoor" "$indoor" >"$dir/in.idf"
  (cd "$dir" && "$program" >/dev/null 2>&1)
  mv "$dir/expandedVAK.idf" "$dir/same-size.idf"
  measure "VRF $outdoor x $indoor" vrf "$(mib "$dir/same-size.idf") out" "$dir" \
    "cat same-size.idf > out.idf" 1
  rm -f "$dir"/*
done

# Memory: one comment line of 100 MB.
if wanted comment; then
  if ((quick)); then mb=8; else mb=100; fi
  dir=$work/comment && mkdir "$dir"
  "$make_model" comment "$mb" >"$dir/in.idf"
  measure "one ${mb} MB comment line" comment "$(mib "$dir/in.idf")" "$dir" "cat in.idf > out.idf" 1
  rm -f "$dir"/*
fi

# Templates in front of 200 MB of long lines: the file is read a second time for the names they
# use. Then the same bytes from a named pipe, which the program copies to a temporary file as it
# reads them (under $TMPDIR: here on the same tmpfs as the inputs); the baseline is cat from the
# same pipe. Last, memory: a zone line with a 100 MB comment, which the second pass reads too.
if wanted twice; then
  if ((quick)); then mb=8; else mb=200; fi
  dir=$work/twice && mkdir "$dir"
  "$make_model" templates "$mb" >"$dir/model.idf"
  cp "$dir/model.idf" "$dir/in.idf"
  measure "templates, read twice" twice "$(mib "$dir/in.idf")" "$dir" "cat in.idf > out.idf" 1
  rm -f "$dir/in.idf" && mkfifo "$dir/in.idf"
  TMPDIR=$dir measure "the same from a pipe" twice-pipe "$(mib "$dir/model.idf")" "$dir" \
    "cat in.idf > out.idf" 1 "cat model.idf > in.idf"
  rm -f "$dir"/*
  if ((quick)); then mb=8; else mb=100; fi
  "$make_model" zonecomment "$mb" >"$dir/in.idf"
  measure "zone line, ${mb} MB comment" zonecomment "$(mib "$dir/in.idf")" "$dir" \
    "cat in.idf > out.idf" 1
  rm -f "$dir"/*
fi

# A typical small model: start-up dominates; 50 runs per sample.
wanted small || exit 0
dir=$work/small && mkdir "$dir"
"$make_model" small >"$dir/in.idf"
measure "small model (x50 runs)" small "$(awk "BEGIN{printf \"%.0f KB\", $(stat -c %s "$dir/in.idf")/1e3}")" \
  "$dir" "cat in.idf > out.idf" 50
