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

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$root/tests/windows/wine_run.sh" >/dev/null
cmake --build "$build"

# A private Wine prefix. Without a window manager Wine waits on every window it unmaps unless
# it draws the frames itself.
export WINEPREFIX=$build/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/.ready" ]; then
    rm -rf "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    # Windows' user-interface faces, which Wine lacks; Prismark's own faces (Lucida Console,
    # Microsoft Sans Serif) stay missing, so that the tests see its fallbacks at work.
    for face in "MS Shell Dlg" "MS Shell Dlg 2" "Segoe UI" "Tahoma"; do
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ \
            /d "DejaVu Sans" /f >/dev/null 2>&1
    done
    wineserver -w
    touch "$WINEPREFIX/.ready"
fi

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

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
stage=$build/zip/prismark-$version-windows-x64
rm -rf "$build/zip"
mkdir -p "$stage/licenses/Qt" "$root/dist"
x86_64-w64-mingw32-strip -o "$stage/prismark.exe" "$build/prismark.exe"
cp README.md "$stage/README.md"
cp LICENSE "$stage/LICENSE.txt"
cp packaging/windows/Qt-notice.txt "$stage/Qt-notice.txt"
cp -r "$qt/licenses/." "$stage/licenses/Qt/"
zip="$root/dist/prismark-$version-windows-x64.zip"
rm -f "$zip"
(cd "$build/zip" && zip -qr "$zip" "prismark-$version-windows-x64")
echo "Made $zip"
