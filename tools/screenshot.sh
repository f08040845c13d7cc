#!/usr/bin/env bash
# Starts Quorvel from a menu entry under a virtual X server, plays a game in "Simulation" with the
# analysis panel open by clicking as a user would, and saves a picture of the window.
#   tools/screenshot.sh <quorvel.desktop> <out.png> [seconds of play, default 40]
# The entry's Exec= and Path= are followed as a desktop does: the program starts in Path=, where
# it finds its pictures. For an installed package: /usr/share/applications/quorvel.desktop.
set -euo pipefail

if [ "${1:-}" != --inside ]; then
  if [ $# -lt 2 ]; then
    echo "usage: $0 <quorvel.desktop> <out.png> [seconds]" >&2
    exit 2
  fi
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside "$@"
fi
shift
entry=$1
out=$(realpath -m "$2")
seconds=${3:-40}

command=$(sed -n 's/^Exec=//p' "$entry" | head -n 1)
folder=$(sed -n 's/^Path=//p' "$entry" | head -n 1)
[ -n "$command" ] && [ -n "$folder" ] || { echo "no Exec= or Path= in $entry" >&2; exit 1; }

cd "$folder"
QT_QPA_PLATFORM=xcb $command &
program=$!
trap 'kill $program 2>/dev/null || true' EXIT

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quorvel$' | head -n 1)
# The error box of a failed start-up carries the same title; only the main window has this size.
size=$(xdotool getwindowgeometry "$window" | sed -n 's/^ *Geometry: //p')
if [ "$size" != 413x398 ]; then
  echo "the first window is $size, not the main window's 413x398: a start-up error?" >&2
  import -window root "$out"
  exit 1
fi

# Button centres in window coordinates, from the window's layout.
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.5; }
click 362 28   # "Neu"
click 362 252  # "Diagramm >>"
click 356 324  # "Start"
sleep "$seconds"
click 356 324  # "Stop"
import -window "$window" "$out"
echo "wrote $out ($(xdotool getwindowgeometry "$window" | sed -n 's/^ *Geometry: //p'))"
