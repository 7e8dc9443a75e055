#!/usr/bin/env bash
# Builds the Debian package, installs it with dpkg into a scratch root, checks what it put
# where and that it tells the build's version, validates the desktop entry and starts the
# installed program.
#   test_package.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >/dev/null
deb=$(ls "$scratch"/out/prismark_*.deb)

root=$scratch/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status"
# The scratch root has none of the dependencies; the host has them.
dpkg --root="$root" --force-depends --force-not-root --log=/dev/null -i "$deb" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
[ -x "$root/usr/bin/prismark" ] || fail "no /usr/bin/prismark"
desktop=$root/usr/share/applications/prismark.desktop
[ -f "$desktop" ] || fail "no desktop entry"
for side in 16 24 32 48 64 128 256; do
    icon=$root/usr/share/icons/hicolor/${side}x${side}/apps/prismark.png
    [ -f "$icon" ] || fail "no ${side}x${side} icon"
    file "$icon" | grep -q "${side} x ${side}" || fail "the ${side}x${side} icon has another size"
done
desktop-file-validate "$desktop" || fail "the desktop entry is not valid"
metainfo=$root/usr/share/metainfo/org.example.pmk.prismark.metainfo.xml
[ -f "$metainfo" ] || fail "no AppStream metainfo"
appstreamcli validate --no-net "$metainfo" >/dev/null || fail "the metainfo is not valid"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the AppStream release is not $version"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
grep -q "MIT License" "$root/usr/share/doc/prismark/copyright" || fail "no MIT licence"
dpkg-query --root="$root" -W -f='${Status}' prismark | grep -q "install ok installed" \
    || fail "dpkg does not list the package as installed"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 qt6-qpa-plugins; do
    [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done

# It starts and keeps running until stopped.
status=0
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$scratch timeout 3 "$root/usr/bin/prismark" || status=$?
[ $status -eq 124 ] || fail "the installed program ended by itself with status $status"

echo "1 passed, 0 failed"
