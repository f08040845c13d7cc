#!/usr/bin/env bash
# Runs each fuzz target for a fixed time, starting from the committed seed corpus, and prints
# what it did. New inputs go to <build>/corpus/<target>, never into the committed seeds; an
# input that breaks a target is saved under <build>/artifacts/<target>/ and fails the run.
# Usage: fuzz/run.sh <fuzz build folder> <seconds per target>
set -euo pipefail

build=$1
seconds=$2
seeds="$(cd "$(dirname "$0")" && pwd)/corpus"

# Per input: at most 10 s (the fuzz build reads pictures of at most 2^16 pixels, which take
# milliseconds; the rest is room for a busy machine), one allocation at most 256 MB, the whole
# process at most 2 GB.
limits=(-timeout=10 -malloc_limit_mb=256 -rss_limit_mb=2048)

# Readable stacks in a finding's report; llvm-14 has its symbolizer outside the PATH.
if [ -z "${ASAN_SYMBOLIZER_PATH:-}" ] && [ -x /usr/lib/llvm-14/bin/llvm-symbolizer ]; then
  export ASAN_SYMBOLIZER_PATH=/usr/lib/llvm-14/bin/llvm-symbolizer
fi

status=0
for target in bitmap integer; do
  work="$build/corpus/$target"
  artifacts="$build/artifacts/$target/"
  log="$build/fuzz-$target.log"
  mkdir -p "$work" "$artifacts"
  if "$build/fuzz-$target" "${limits[@]}" -max_total_time="$seconds" -print_final_stats=1 \
       -artifact_prefix="$artifacts" "$work" "$seeds/$target" >"$log" 2>&1; then
    verdict="no findings"
  else
    verdict="FINDING (log $log, input in $artifacts)"
    tail -n 60 "$log" >&2
    status=1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  rss=$(sed -n 's/^stat::peak_rss_mb: *//p' "$log")
  corpus=$(find "$work" "$seeds/$target" -type f | wc -l)
  echo "fuzz-$target: ${seconds}s, ${runs:-?} inputs, ${speed:-?}/s, peak ${rss:-?} MB," \
       "corpus $corpus files: $verdict"
done
exit $status
