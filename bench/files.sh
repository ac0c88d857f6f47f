#!/usr/bin/env bash
# Times the program on real files against a plain copy of the same input, and reports its peak
# memory. Usage: bench/files.sh [build-dir]   (default: build)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

measure() {  # label, command...
  local label=$1
  shift
  local best=""
  for _ in 1 2 3; do
    /usr/bin/time -f "%e %M" -o t "$@" >/dev/null
    read -r secs kb <t
    if [ -z "$best" ] || awk "BEGIN{exit !($secs < $best)}"; then best=$secs; mem=$kb; fi
  done
  printf '%-42s %6.2f s  %7.1f MB peak\n' "$label" "$best" "$(awk "BEGIN{print $mem/1024}")"
}

"$build/bench/vak_make_model" ordinary 256 >in.idf
printf 'input: %s MB of ordinary IDF text\n' $(( $(stat -c %s in.idf) >> 20 ))
measure "cp in.idf copy.idf" cp in.idf copy.idf
measure "expandVAKobjects (256 MB, no templates)" "$build/expandVAKobjects"

"$build/bench/vak_make_model" vrf 2000 40000 >in.idf
printf 'input: 2,000 outdoor and 40,000 indoor units, %s MB\n' $(( $(stat -c %s in.idf) >> 20 ))
measure "expandVAKobjects (2,000 x 40,000 VRF)" "$build/expandVAKobjects"
printf 'output: %s MB\n' $(( $(stat -c %s expandedVAK.idf) >> 20 ))
