#!/usr/bin/env bash
# Installs the Debian 12 packages Tessary needs. Safe to run again.
#   install-deps.sh run   what building and running the program (and the demo) need
#   install-deps.sh       that, and the test tool chain as well
set -euo pipefail

# Building and running the program.
build_packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev fonts-dejavu-core libfontconfig-dev
  libglib2.0-dev nlohmann-json3-dev libyaml-cpp-dev
  zlib1g-dev libarchive-dev
)
# The demo without a display: a virtual screen and a screenshot of it (and for
# the README's picture, a click on a map).
demo_packages=(xvfb imagemagick xdotool)
# Testing: unit tests, windows under Xvfb and under weston (Wayland), fuzzing,
# the Debian package, archives made by real tools (zip, 7z).
test_packages=(
  libgtest-dev libgmock-dev
  xauth x11-utils x11-xserver-utils openbox weston qt6-wayland
  fd-find binutils-mingw-w64-x86-64 clang-14 libclang-rt-14-dev
  dpkg-dev file desktop-file-utils appstream
  zip p7zip-full python3
)

packages=("${build_packages[@]}" "${demo_packages[@]}")
case "${1:-test}" in
  run) ;;
  test) packages+=("${test_packages[@]}") ;;
  *) echo "usage: install-deps.sh [run|test]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  # An index that fails to download (a mirror sync in progress) leaves the
  # old one in use; the install below still fails if a package cannot be had.
  "${sudo_cmd[@]}" apt-get update || echo "apt-get update failed; going on with the package lists there are" >&2
  "${sudo_cmd[@]}" apt-get install -y "${missing[@]}"
fi
