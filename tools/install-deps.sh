#!/usr/bin/env bash
# Installs every Debian package that building, testing and benchmarking Quorvel needs.
# Quiet and quick when everything is already there; as root directly, otherwise through sudo.
set -euo pipefail

packages=(
  build-essential cmake make pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6printsupport6 libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation fonts-dejavu-core
  xvfb xauth x11-apps imagemagick
  poppler-utils
  # fuzzing: clang with libFuzzer and its sanitizer runtimes
  clang-14 libclang-rt-14-dev llvm-14
  # quorvel-sim-mpi and its tests: Open MPI
  openmpi-bin libopenmpi-dev
)

# The end-to-end printer test (a private CUPS server with a PDF printer, pages read back with
# poppler), `make package` (dpkg-shlibdeps, file), the menu entry check and the screenshot script
# (xdotool clicks through a game under Xvfb) need these; debootstrap is for
# tools/check-clean-install.sh. libcups2-dev lets the print ask CUPS whether it took the job.
packages+=(
  libcups2-dev cups-daemon cups-client cups-ipp-utils printer-driver-cups-pdf
  dpkg-dev file desktop-file-utils xdotool debootstrap
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "install-deps: installing ${missing[*]}" >&2
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
