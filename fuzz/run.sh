#!/usr/bin/env bash
# Builds vak_fuzz with clang and fuzzes the conversion for the given number of seconds
# (default 120). Exits non-zero on any finding; the failing input is left in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-120}"

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DVAK_FUZZ=ON -DVAK_BUILD_TESTS=OFF \
  -DVAK_BUILD_BENCH=OFF
cmake --build build-fuzz -j2 --target vak_fuzz

# New inputs go to the scratch corpus, not to the seeds kept in the repository. An input that
# takes 10 s or 2 GB counts as a finding too. The fuzzer's progress goes to a log; a finding
# shows its end.
mkdir -p build-fuzz/corpus
log=build-fuzz/fuzz.log
if ! build-fuzz/fuzz/vak_fuzz -dict=fuzz/idf.dict -max_total_time="$seconds" -timeout=10 \
  -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix=build-fuzz/ \
  build-fuzz/corpus fuzz/corpus >"$log" 2>&1; then
  tail -n 60 "$log"
  echo "fuzzing found a problem; the input is in build-fuzz/ (see $log)" >&2
  exit 1
fi
grep -E '^(Done|stat::)' "$log"
