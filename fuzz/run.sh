#!/usr/bin/env bash
# Builds vak_fuzz with clang and fuzzes the conversion for the given number of seconds
# (default 120). Exits non-zero on any finding, or when no input held a line longer than the
# read buffer; the failing input is left in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-120}"

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DVAK_FUZZ=ON -DVAK_BUILD_TESTS=OFF \
  -DVAK_BUILD_BENCH=OFF
cmake --build build-fuzz -j2 --target vak_fuzz

# Seeds with lines longer than the 128 KiB read buffer, made here rather than kept: a Version
# value after that many blanks, a template field that long, and a long comment on a zone's
# name line, which the names pass reads whole. libFuzzer would never grow an input that far.
seeds=build-fuzz/seeds
rm -rf "$seeds" && mkdir -p "$seeds"
long() {  # long CHAR PROGRAM: the awk PROGRAM over a seed, with `pad` of 140,000 CHARs
  awk -v c="$1" 'BEGIN { pad = c; while (length(pad) < 140000) pad = pad pad
    pad = substr(pad, 1, 140000) } '"$2" fuzz/corpus/vrf-8.0.idf
}
long ' ' '/^  8\.0;/ { $0 = pad "8.0;" } { print }' >"$seeds/long-version.idf"
long ' ' 'next_ == 1 { $0 = pad $0 } { next_ = 0; print }
  /^HVACVAKTemplate:VRVUnidadInterior,/ && !done_ { next_ = done_ = 1 }' >"$seeds/long-field.idf"
long '-' 'next_ == 1 { $0 = $0 pad } { next_ = 0; print } /^Zone,/ && !done_ { next_ = done_ = 1 }' \
  >"$seeds/long-zone-comment.idf"

# New inputs go to the scratch corpus, not to the seeds. Inputs may grow to several times the
# read buffer. An input that takes 10 s or 2 GB counts as a finding too. The fuzzer's progress
# goes to a log; a finding shows its end.
mkdir -p build-fuzz/corpus
log=build-fuzz/fuzz.log
if ! build-fuzz/fuzz/vak_fuzz -dict=fuzz/idf.dict -max_total_time="$seconds" -timeout=10 \
  -rss_limit_mb=2048 -max_len=400000 -print_final_stats=1 -artifact_prefix=build-fuzz/ \
  build-fuzz/corpus fuzz/corpus "$seeds" >"$log" 2>&1; then
  tail -n 60 "$log"
  echo "fuzzing found a problem; the input is in build-fuzz/ (see $log)" >&2
  exit 1
fi
grep -E '^(Done|stat::|vak_fuzz:)' "$log"
if ! grep -qE '^vak_fuzz: [1-9][0-9]* of [0-9]+ inputs held a line longer' "$log"; then
  echo "fuzzing never reached a line longer than the read buffer (see $log)" >&2
  exit 1
fi
