#!/usr/bin/env bash
# Throughput of quorvel-sim on the standard batch, 1000 games of 100000 rounds on all cores:
# wall and CPU time of several runs, and the medians as rounds per second. On a shared machine
# the wall figure drops with the load (printed before and after); rounds per CPU second times
# the number of cores is what the machine gives when it is not shared.
# usage: bench/batch-throughput.sh [path/to/quorvel-sim] [runs]
set -euo pipefail
sim=${1:-build/tools/quorvel-sim}
runs=${2:-7}
games=1000
rounds=100000

echo "load: $(uptime)"
walls=()
cpus=()
TIMEFORMAT='%R %U %S'
for ((i = 0; i < runs; i++)); do
  read -r wall user sys < <({ time "$sim" --games $games --rounds $rounds --seed $((i * games)) --quiet >/dev/null; } 2>&1)
  cpu=$(awk -v u="$user" -v s="$sys" 'BEGIN { print u + s }')
  walls+=("$wall")
  cpus+=("$cpu")
  echo "run $((i + 1)): wall $wall s, cpu $cpu s"
done
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
awk -v w="$(median "${walls[@]}")" -v c="$(median "${cpus[@]}")" -v n="$(nproc)" -v g=$games -v r=$rounds 'BEGIN {
  printf "median wall %.3f s = %.1f M rounds/s (%d games x %d rounds, %d cores)\n", w, g * r / w / 1e6, g, r, n
  printf "median cpu  %.3f s = %.1f M rounds per CPU second\n", c, g * r / c / 1e6 }'
echo "load: $(uptime)"
