#!/usr/bin/env bash
# Installs the Debian packages Prismark needs that are not installed yet.
#   deps.sh run    what building and running needs
#   deps.sh test      that, and what the whole test suite needs
#   deps.sh windows   what the Windows cross-build and its tests under Wine need
set -euo pipefail

packages=(cmake g++ ninja-build qt6-base-dev fonts-dejavu-core)
case "${1:-run}" in
test)
    packages+=(xvfb xauth xdotool imagemagick python3-xlib x11-utils xclip desktop-file-utils
               dpkg-dev file at-spi2-core python3-pyatspi dbus-x11 openbox appstream)
    ;;
windows)
    packages+=(qt6-base-dev-tools dpkg-dev g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
               wine wine64 fonts-wine xvfb xauth xdotool imagemagick python3 python3-xlib x11-utils xclip
               zip)
    ;;
esac

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "Installing: ${missing[*]}"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
