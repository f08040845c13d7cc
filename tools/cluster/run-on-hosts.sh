#!/usr/bin/env bash
# A quorvel-sim batch on the machines of a host file, with plain mpirun: one rank per machine,
# each playing its share of the seeds on all of that machine's cores. The host file has a line
# "NAME slots=1" per machine; quorvel-sim-mpi must be at the same path on every machine and rank
# 0 (on the first machine) writes the CSV file and the summary.
#   tools/cluster/run-on-hosts.sh hosts.txt --games 1000000 --rounds 1000 --seed 1 > summary.txt
set -euo pipefail
hosts=${1:?usage: run-on-hosts.sh HOSTFILE [quorvel-sim options...]}
shift
sim=${QUORVEL_SIM_MPI:-$(cd "$(dirname "$0")/../.." && pwd)/build/tools/quorvel-sim-mpi}
ranks=$(grep -cEv '^[[:space:]]*(#|$)' "$hosts")
# -q: no report of mpirun's own on top of the program's one-line message.
exec mpirun -q --hostfile "$hosts" -np "$ranks" --map-by node --bind-to none "$sim" --quiet "$@"
