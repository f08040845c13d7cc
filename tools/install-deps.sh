#!/usr/bin/env bash
# Installs the Debian 12 packages that one purpose needs, and no more: a teacher who only wants the
# window should not wait for a fuzzing toolchain. Quiet and quick when everything is already there;
# as root directly, otherwise through sudo.
#
#   tools/install-deps.sh [--list] [PURPOSE...]
#
# PURPOSE is one or more of the lists below; `run` is always included, so a bare call installs
# what building and starting the program needs, except for `web` alone, which needs no Qt.
# --list prints the packages instead of installing.
# The Makefile asks for: make run -> run, make test -> test web, make test-asan -> test asan,
# make fuzz -> fuzz, make bench -> bench, make package -> package, make web -> web.
set -euo pipefail

# run: configure and build the program (C++ compiler, make, CMake, Qt 6 with its SVG module for
# the chart's drawings, CUPS, which the print asks whether it took the job, Qt's lrelease to
# compile the program's translations), the two fonts it asks for by name and Qt's own
# translations for its standard dialogs.
run=(
  build-essential cmake
  qt6-base-dev qt6-svg-dev libcups2-dev qt6-l10n-tools
  fonts-liberation fonts-dejavu-core qt6-translations-l10n
)

# test: everything `make test` runs. GoogleTest; the end-to-end print (a private CUPS server with a
# cups-pdf printer, the page read back with poppler's pdftoppm, which the chart's PDF export test
# uses too); the package checks: the .deb is built (dpkg-shlibdeps, file) and run through lintian,
# the menu entry through desktop-file-validate, the metainfo through appstreamcli and the manual
# pages through man-db's man and lexgrog; Open MPI, with which quorvel-sim-mpi is built and run
# on one, two and three ranks.
test=(
  libgtest-dev libgmock-dev
  cups-daemon cups-client cups-ipp-utils printer-driver-cups-pdf poppler-utils
  dpkg-dev file lintian desktop-file-utils appstream man-db
  openmpi-bin libopenmpi-dev
)

# asan: the sanitizer runtimes for g++ (build-essential brings them already; named so that the
# sanitizer run says what it relies on).
asan=(libasan8 libubsan1)

# fuzz: clang with libFuzzer and its sanitizer runtimes; llvm-14 has the symbolizer for readable
# stacks in a finding's report.
fuzz=(clang-14 libclang-rt-14-dev llvm-14)

# bench: Google Benchmark for the programs in bench/ (built whenever it is found).
bench=(libbenchmark-dev)

# package: `make package` builds the .deb with CPack, which asks dpkg-shlibdeps (dpkg-dev) and
# file for the libraries the programs link.
package=(dpkg-dev file)

# web: the browser edition. Debian's emscripten compiles the game for the page (make web), Node.js
# runs the page's build script and its tests, and the tests drive Debian's Chromium. npm, which
# installs the tests' browser driver, is added below only where no npm is found: a Node.js from
# outside Debian brings its own, and Debian's npm package conflicts with it.
web=(emscripten nodejs chromium)

# checks: the scripts that look at the program from outside. tools/screenshot.sh plays a game
# under Xvfb, clicking with xdotool and taking the picture with ImageMagick's import;
# tools/check-clean-install.sh and tools/check-first-run.sh bootstrap a fresh Debian 12; Firefox
# ESR shows the page in a second browser (firefox-esr --headless --screenshot, or under Xvfb).
checks=(xvfb xauth xdotool imagemagick debootstrap firefox-esr)

list_only=false
if [ "${1:-}" = --list ]; then
  list_only=true
  shift
fi

packages=("${run[@]}")
[ "$*" = web ] && packages=()
for purpose in "$@"; do
  case "$purpose" in
    run) ;;
    web)
      packages+=("${web[@]}")
      command -v npm >/dev/null || packages+=(npm)
      ;;
    test) packages+=("${test[@]}") ;;
    asan) packages+=("${asan[@]}") ;;
    fuzz) packages+=("${fuzz[@]}") ;;
    bench) packages+=("${bench[@]}") ;;
    package) packages+=("${package[@]}") ;;
    checks) packages+=("${checks[@]}") ;;
    *)
      echo "install-deps: unknown purpose '$purpose' (run, test, asan, fuzz, bench, package, web, checks)" >&2
      exit 2
      ;;
  esac
done

if $list_only; then
  printf '%s\n' "${packages[@]}" | sort -u
  exit 0
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

# Each name once, in the order given.
mapfile -t missing < <(printf '%s\n' "${missing[@]}" | awk '!seen[$0]++')
echo "install-deps: installing ${missing[*]}" >&2
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
# apt's own output only when it fails: a fresh machine installs a few hundred packages.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
if ! $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >"$log" 2>&1; then
  cat "$log" >&2
  echo "install-deps: apt-get install failed" >&2
  exit 1
fi
