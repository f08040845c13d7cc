#!/usr/bin/env bash
# Rounds per second of one batch (1000 games of 10^6 rounds unless told otherwise) played by
# quorvel-sim on 1 and 2 threads and by quorvel-sim-mpi on 1 and 2 ranks of one thread each,
# the configurations taking turns run by run so a change in the machine's load hits them all;
# medians of the wall times. The load is printed before and after: quote it with the figures.
# usage: bench/scaling.sh [build dir] [runs] [games] [rounds] [extra options...]
set -euo pipefail
build=${1:-build}
runs=${2:-5}
games=${3:-1000}
rounds=${4:-1000000}
shift $(( $# < 4 ? $# : 4 ))
extra=("$@")
batch=(--games "$games" --rounds "$rounds" --seed 1 --quiet "${extra[@]}")
mpirun=(mpirun -q --oversubscribe)
[ "$(id -u)" -eq 0 ] && export OMPI_ALLOW_RUN_AS_ROOT=1 OMPI_ALLOW_RUN_AS_ROOT_CONFIRM=1

names=("quorvel-sim --jobs 1" "quorvel-sim --jobs 2" "mpirun -np 1 quorvel-sim-mpi --jobs 1"
       "mpirun -np 2 quorvel-sim-mpi --jobs 1")
commands=("$build/tools/quorvel-sim --jobs 1" "$build/tools/quorvel-sim --jobs 2"
          "${mpirun[*]} -np 1 $build/tools/quorvel-sim-mpi --jobs 1"
          "${mpirun[*]} -np 2 $build/tools/quorvel-sim-mpi --jobs 1")
declare -A walls
echo "load: $(uptime)"
TIMEFORMAT='%R'
for ((i = 0; i < runs; i++)); do
  for c in "${!commands[@]}"; do
    wall=$({ time ${commands[$c]} "${batch[@]}" >/dev/null </dev/null; } 2>&1)
    walls[$c]+="$wall "
  done
done
median() { printf '%s\n' $1 | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
for c in "${!commands[@]}"; do
  m=$(median "${walls[$c]}")
  awk -v n="${names[$c]}" -v w="$m" -v g="$games" -v r="$rounds" -v all="${walls[$c]}" \
    'BEGIN { printf "%-40s median %.3f s = %6.1f M rounds/s   (runs: %s)\n", n, w, g * r / w / 1e6, all }'
done
echo "load: $(uptime)"
