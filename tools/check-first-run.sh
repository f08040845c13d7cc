#!/usr/bin/env bash
# What a newcomer meets: bootstraps a fresh Debian 12 (bookworm, minbase), adds only the
# prerequisites the README names (its `sudo apt install ...` line), copies this repository's HEAD
# there and runs `make run` with a virtual display. Reports the seconds from `make run` to the
# main window being shown (packages fetched and the build included), the number of packages
# `make run` installed and what apt downloaded for them; saves a picture of the window and
# make run's output with the second of each line beside it.
#   sudo tools/check-first-run.sh [out.png] [mirror]
# Needs root, debootstrap, Xvfb, xdotool and ImageMagick on this machine (tools/install-deps.sh
# checks) and Debian's mirror; about 2 GB under /var/tmp. The display runs here, outside the fresh
# system, so that nothing but the prerequisites is added to it; the program reaches it through X's
# abstract socket, which a chroot shares. The figure depends on what else the machine is doing:
# the load averages before and after are printed with it.
set -euo pipefail

usage="usage: $0 [out.png] [mirror]"
here=$(dirname "$(realpath "$0")")
repo=$(git -C "$here" rev-parse --show-toplevel)
out=$(realpath -m "${1:-first-run.png}")
mirror=${2:-http://deb.debian.org/debian}
[ $# -le 2 ] || { echo "$usage" >&2; exit 2; }
[ "$(id -u)" -eq 0 ] || { echo "run as root (debootstrap, chroot)" >&2; exit 1; }
for tool in debootstrap Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: tools/install-deps.sh checks" >&2; exit 1; }
done

# The prerequisites exactly as the README asks for them.
prereq_line=$(grep -m1 -E '^sudo apt install ' "$repo/README.md" || true)
[ -n "$prereq_line" ] || { echo "README.md has no 'sudo apt install ...' line" >&2; exit 1; }
read -r -a prereqs <<<"${prereq_line#sudo apt install }"
prereqs=("${prereqs[@]%%#*}")

root=$(mktemp -d /var/tmp/quorvel-first-run.XXXXXX)
chmod 755 "$root"  # the fresh system's /: apt's own user must get through it
log="$root.log"
run_log="${out%.png}.log"
xvfb_pid=""
run_pid=""
stamp_pid=""
cleanup() {
  set +e
  if [ -n "$run_pid" ]; then
    kill -TERM -- "-$run_pid" 2>/dev/null
    wait "$run_pid" 2>/dev/null
  fi
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  [ -n "$stamp_pid" ] && kill "$stamp_pid" 2>/dev/null && wait "$stamp_pid" 2>/dev/null
  umount "$root/proc" 2>/dev/null
  rm -f "$log" "$root.out"
  # Removed only when nothing is mounted inside any more.
  if grep -q " $root/" /proc/mounts; then
    echo "left $root in place: still mounted inside" >&2
  else
    rm -rf "$root"
  fi
}
trap cleanup EXIT
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root DEBIAN_FRONTEND=noninteractive "$@"; }
installed_count() { in_root dpkg-query -W -f='${db:Status-Status}\n' | grep -c '^installed$'; }
load() { cut -d' ' -f1-3 /proc/loadavg; }

echo "== bootstrapping bookworm into $root"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$log" 2>&1 || { tail -20 "$log"; exit 1; }
mount -t proc proc "$root/proc"
git -C "$repo" archive --format=tar --prefix=quorvel/ HEAD | tar -x -C "$root/root"
echo "   $(git -C "$repo" log -1 --format='%h %s' | cut -c1-90)"

# A freshly installed system knows its package lists; then the README's line, as a user types it
# (apt's defaults, recommended packages included).
echo "== adding the README's prerequisites: ${prereqs[*]}"
in_root apt-get update -qq
in_root apt-get install -y -qq "${prereqs[@]}" >"$log" 2>&1 || { tail -20 "$log"; exit 1; }
in_root apt-get clean
before=$(installed_count)

display=""
for n in $(seq 90 150); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "no free X display number" >&2; exit 1; }
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do DISPLAY=$display xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

load_before=$(load)
echo "== make run (load averages: $load_before)"
start=$(date +%s.%N)
# Each line of make run's output with the seconds since the start, to see where the time went.
start_us=${EPOCHREALTIME//[.,]/}
stamp() {
  local line now
  while IFS= read -r line; do
    now=${EPOCHREALTIME//[.,]/}
    printf '%5d %s\n' $(((now - start_us) / 1000000)) "$line"
  done
}
# Through a pipe of its own: the stamping stays outside make's process group, which is ended
# as a whole once the window is there, and ends itself when make's output does.
mkfifo "$root.out"
stamp <"$root.out" >"$run_log" &
stamp_pid=$!
setsid chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
  DISPLAY="$display" sh -c 'cd /root/quorvel && exec make run' >"$root.out" 2>&1 &
run_pid=$!
window=""
while kill -0 "$run_pid" 2>/dev/null; do
  window=$(DISPLAY=$display xdotool search --onlyvisible --name '^Quorvel$' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 1
done
end=$(date +%s.%N)
if [ -z "$window" ]; then
  wait "$run_pid" && status=0 || status=$?
  run_pid=""
  wait "$stamp_pid" 2>/dev/null || true
  stamp_pid=""
  echo "---- make run ended (status $status) without a window; its last lines (all in $run_log):" >&2
  tail -40 "$run_log" >&2
  exit 1
fi
seconds=$(awk -v a="$start" -v b="$end" 'BEGIN {printf "%.0f", b - a}')
load_after=$(load)
sleep 2  # the first paint
DISPLAY=$display import -window "$window" "$out"
geometry=$(DISPLAY=$display xdotool getwindowgeometry "$window" | sed -n 's/^ *Geometry: //p')
kill -TERM -- "-$run_pid" 2>/dev/null || true
wait "$run_pid" 2>/dev/null || true
run_pid=""
wait "$stamp_pid" 2>/dev/null || true
stamp_pid=""

after=$(installed_count)
bytes=$(find "$root/var/cache/apt/archives" -name '*.deb' -printf '%s\n' | awk '{s += $1} END {print s + 0}')
asked=$(sed -n 's/^ *[0-9]* install-deps: installing //p' "$run_log" | head -n 1)
# The build's first line: packages installed and configure done by then.
built_from=$(awk '/\[ *[0-9]+%\]/ {print $1; exit}' "$run_log")

echo "== result"
# The error box of a failed start carries the same title; only the main window has this size.
if [ "$geometry" != 413x398 ]; then
  echo "FAIL: the first window is $geometry, not the main window's 413x398 (picture in $out)" >&2
  tail -20 "$run_log" >&2
  exit 1
fi
echo "window shown $seconds s ($(awk -v s="$seconds" 'BEGIN {printf "%.1f", s / 60}') min) after make run started"
echo "  packages and configure until ${built_from:-?} s, then the build and the start"
echo "make run installed $((after - before)) packages, $((bytes / 1000000)) MB downloaded ($bytes bytes)"
echo "  install-deps asked for: $asked"
echo "load averages (1, 5, 15 min): $load_before at the start, $load_after when the window showed"
echo "picture of the window: $out; make run's output, timed: $run_log"
echo "PASS"
