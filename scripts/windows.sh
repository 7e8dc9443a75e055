#!/usr/bin/env bash
# Installs what is missing, cross-builds Prismark for 64-bit Windows with a static Qt (built
# once into ~/.cache), runs its tests under Wine and Xvfb, and leaves
# dist/prismark-<version>-windows-x64.zip.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build/windows

bash scripts/deps.sh windows
qt=$(bash scripts/windows_qt.sh)

# Built for size, as the Qt it links; the static Qt passes on its function and data sections
# and --gc-sections to every target that links it.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$root/tests/windows/wine_run.sh" >/dev/null
cmake --build "$build"

# Private Wine prefixes, with unmanaged windows: without a window manager Wine waits on every
# window it unmaps unless it draws the frames itself.
#   wine-prefix        the tests': Windows' interface faces (which Wine lacks) map to DejaVu Sans
#   wine-prefix-bare   as a player's Wine is: no face replaced
#   wine-prefix-125    the tests' at 125 % (120 dots per inch)
#   wine-prefix-contrast  the tests' in Windows' High Contrast Black scheme
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
make_prefix() { # folder, then: faces, dpi=N
    local prefix=$1
    shift
    [ -f "$prefix/.ready" ] && return
    rm -rf "$prefix"
    WINEPREFIX=$prefix wineboot -i >/dev/null 2>&1
    WINEPREFIX=$prefix wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N \
        /f >/dev/null 2>&1
    for setting in "$@"; do
        case $setting in
        faces)
            # Prismark's own faces (Lucida Console, Microsoft Sans Serif) stay missing, so that
            # the tests see its fallbacks at work.
            for face in "MS Shell Dlg" "MS Shell Dlg 2" "Segoe UI" "Tahoma"; do
                WINEPREFIX=$prefix wine reg add 'HKCU\Software\Wine\Fonts\Replacements' \
                    /v "$face" /t REG_SZ /d "DejaVu Sans" /f >/dev/null 2>&1
            done
            ;;
        dpi=*)
            WINEPREFIX=$prefix wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels \
                /t REG_DWORD /d "${setting#dpi=}" /f >/dev/null 2>&1
            ;;
        contrast)
            # High Contrast Black, as Windows stores the scheme.
            for colour in "Window=0 0 0" "WindowText=255 255 255" "ButtonFace=0 0 0" \
                "ButtonText=255 255 255" "Hilight=26 235 255" "HilightText=0 0 0" \
                "GrayText=63 242 63" "Menu=0 0 0" "MenuText=255 255 255" "InfoWindow=0 0 0" \
                "InfoText=255 255 255" "Background=0 0 0"; do
                WINEPREFIX=$prefix wine reg add 'HKCU\Control Panel\Colors' /v "${colour%%=*}" \
                    /t REG_SZ /d "${colour#*=}" /f >/dev/null 2>&1
            done
            WINEPREFIX=$prefix wine reg add 'HKCU\Control Panel\Accessibility\HighContrast' \
                /v Flags /t REG_SZ /d 127 /f >/dev/null 2>&1
            WINEPREFIX=$prefix wine reg add 'HKCU\Control Panel\Accessibility\HighContrast' \
                /v "High Contrast Scheme" /t REG_SZ /d "High Contrast Black" /f >/dev/null 2>&1
            ;;
        esac
    done
    WINEPREFIX=$prefix wineserver -w
    touch "$prefix/.ready"
}
make_prefix "$build/wine-prefix" faces
make_prefix "$build/wine-prefix-bare"
make_prefix "$build/wine-prefix-125" faces dpi=120
make_prefix "$build/wine-prefix-contrast" faces contrast
export WINEPREFIX=$build/wine-prefix

# One X server for the widget tests; the end-to-end test starts its own.
display_file=$build/xvfb-display
: >"$display_file"
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1280x1024x24 3>"$display_file" \
    >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.1
done
export DISPLAY=:$(head -n 1 "$display_file")

ctest --test-dir "$build" --output-on-failure --timeout 600

version=$(sed -n 's/^PRISMARK_VERSION:INTERNAL=//p' "$build/CMakeCache.txt")
stage=$build/zip/prismark-$version-windows-x64
rm -rf "$build/zip"
mkdir -p "$stage/licenses/Qt" "$root/dist"
x86_64-w64-mingw32-strip -o "$stage/prismark.exe" "$build/prismark.exe"
cp README.md "$stage/README.md"
cp LICENSE "$stage/LICENSE.txt"
cp "$build/packaging/windows/Qt-notice.txt" "$stage/Qt-notice.txt"
cp -r "$qt/licenses/." "$stage/licenses/Qt/"
zip="$root/dist/prismark-$version-windows-x64.zip"
rm -f "$zip"
(cd "$build/zip" && zip -qr "$zip" "prismark-$version-windows-x64")
echo "Made $zip"
mib() { awk -v bytes="$(stat -c %s "$1")" 'BEGIN { printf "%.1f MiB", bytes / 1048576 }'; }
echo "Sizes: prismark.exe $(mib "$stage/prismark.exe"), the zip $(mib "$zip")"
