#!/usr/bin/env bash
# Throughput of quorvel-sim on the standard batch, 1000 games of 100000 rounds on all cores:
# wall time of several runs, their median, and that median as rounds per second. Prints the
# load average first, since the machine may be shared.
# usage: bench/batch-throughput.sh [path/to/quorvel-sim] [runs]
set -euo pipefail
sim=${1:-build/tools/quorvel-sim}
runs=${2:-7}
games=1000
rounds=100000

echo "load: $(uptime)"
times=()
for ((i = 0; i < runs; i++)); do
  start=$(date +%s.%N)
  "$sim" --games $games --rounds $rounds --seed $((i * games)) --quiet >/dev/null
  end=$(date +%s.%N)
  t=$(awk -v a="$start" -v b="$end" 'BEGIN { print b - a }')
  times+=("$t")
  printf 'run %d: %.3f s\n' "$((i + 1))" "$t"
done
median=$(printf '%s\n' "${times[@]}" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
awk -v t="$median" -v g=$games -v r=$rounds \
  'BEGIN { printf "median %.3f s = %.1f M rounds/s (%d games x %d rounds)\n", t, g * r / t / 1e6, g, r }'
echo "load: $(uptime)"
