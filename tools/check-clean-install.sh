#!/usr/bin/env bash
# Installs the package into a freshly bootstrapped Debian 12 (bookworm, minbase) with nothing but
# its declared dependencies, starts it there from its menu entry under Xvfb and saves a picture of
# the window: proof that the .deb installs on a clean system and declares what it needs. Checks
# quorvel-sim --version against the package's version and that man finds both manual pages.
#   tools/check-clean-install.sh <quorvel_*.deb> <out.png> [mirror]
# Needs root, debootstrap and Debian's mirror; takes a few minutes and ~600 MB under /var/tmp.
set -euo pipefail

deb=$(realpath "${1:?usage: $0 <quorvel_*.deb> <out.png> [mirror]}")
out=$(realpath -m "${2:?usage: $0 <quorvel_*.deb> <out.png> [mirror]}")
mirror=${3:-http://deb.debian.org/debian}
here=$(dirname "$(realpath "$0")")
[ "$(id -u)" -eq 0 ] || { echo "run as root (debootstrap, chroot)" >&2; exit 1; }
command -v debootstrap >/dev/null || { echo "debootstrap is missing: tools/install-deps.sh checks" >&2; exit 1; }

root=$(mktemp -d /var/tmp/quorvel-bookworm.XXXXXX)
chmod 755 "$root"  # the fresh system's /: apt's own user must get through it
cleanup() {
  umount "$root/proc" 2>/dev/null || true
  rm -rf "$root"
}
trap cleanup EXIT
in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root DEBIAN_FRONTEND=noninteractive "$@"; }

echo "== bootstrapping bookworm into $root"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.log" 2>&1 || { tail -20 "$root.log"; exit 1; }
rm -f "$root.log"
mount -t proc proc "$root/proc"
cp "$deb" "$root/tmp/quorvel.deb"

echo "== installing $(basename "$deb") with its declared dependencies only"
in_root apt-get update -qq
in_root apt-get install -y -qq --no-install-recommends /tmp/quorvel.deb >/dev/null
in_root dpkg -L quorvel
if in_root ldd /usr/bin/quorvel | grep "not found"; then
  echo "FAIL: libraries missing" >&2
  exit 1
fi
in_root fc-list | grep -q "Liberation Sans" || { echo "FAIL: Liberation Sans missing" >&2; exit 1; }

echo "== the headless runner and its manual page (man-db installed only now)"
version=$(dpkg-deb --field "$deb" Version)
printed=$(in_root quorvel-sim --version)
[ "$printed" = "quorvel-sim $version" ] || { echo "FAIL: quorvel-sim --version says '$printed', the package is $version" >&2; exit 1; }
echo "$printed"
printed=$(in_root quorvel --version)
[ "$printed" = "quorvel $version" ] || { echo "FAIL: quorvel --version says '$printed', the package is $version" >&2; exit 1; }
in_root apt-get install -y -qq --no-install-recommends man-db >/dev/null
in_root man -w quorvel-sim || { echo "FAIL: man -w quorvel-sim finds no page" >&2; exit 1; }
in_root man -w 6 quorvel || { echo "FAIL: man -w 6 quorvel finds no page" >&2; exit 1; }

echo "== starting it from its menu entry under Xvfb (screenshot tools installed only now)"
in_root apt-get install -y -qq --no-install-recommends xvfb xauth xdotool imagemagick >/dev/null
cp "$here/screenshot.sh" "$root/tmp/screenshot.sh"
in_root /tmp/screenshot.sh /usr/share/applications/quorvel.desktop /tmp/shot.png 10
cp "$root/tmp/shot.png" "$out"

echo "== removing it again"
in_root apt-get remove -y -qq quorvel >/dev/null
in_root test ! -e /usr/bin/quorvel
echo "PASS: installed, started and removed on a clean bookworm; picture in $out"
