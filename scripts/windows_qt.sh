#!/usr/bin/env bash
# Builds a static Qt for Windows from Debian's own qt6-base source package, once, into a cache
# outside the clone, and prints the folder it is installed in. Later runs with the same Qt
# version, options and compiler reuse it. The Qt is built for size and holds only what Prismark
# and its tests use.
set -euo pipefail
cd "$(dirname "$0")/.."

toolchain=$PWD/cmake/mingw-w64-x86_64.cmake
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)

options=(
    -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release -DFEATURE_optimize_size=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_androiddeployqt=OFF -DFEATURE_qmake=OFF -DFEATURE_testlib=ON
    # The bundled third-party code rather than the build machine's.
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_system_freetype=OFF
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_textmarkdownreader=OFF
    # Modules and back ends that Prismark does not use.
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF
    -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF
    -DFEATURE_freetype=OFF -DFEATURE_fontconfig=OFF -DFEATURE_zstd=OFF
    # QtCore: no MIME database, calendars, time zones, parsers, processes or translations.
    -DFEATURE_mimetype=OFF -DFEATURE_sha3_fast=OFF -DFEATURE_jalalicalendar=OFF
    -DFEATURE_hijricalendar=OFF -DFEATURE_islamiccivilcalendar=OFF -DFEATURE_timezone=OFF
    -DFEATURE_datetimeparser=OFF -DFEATURE_commandlineparser=OFF -DFEATURE_xmlstream=OFF
    -DFEATURE_process=OFF -DFEATURE_sharedmemory=OFF -DFEATURE_systemsemaphore=OFF
    -DFEATURE_filesystemwatcher=OFF -DFEATURE_translation=OFF
    -DFEATURE_stringlistmodel=OFF -DFEATURE_gestures=OFF
    # QtGui: PNG, BMP and XPM pictures only; plain text only.
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF -DFEATURE_imageformat_ppm=OFF
    -DFEATURE_imageformat_xbm=OFF -DFEATURE_image_heuristic_mask=OFF -DFEATURE_image_text=OFF
    -DFEATURE_imageio_text_loading=OFF -DFEATURE_movie=OFF -DFEATURE_picture=OFF
    -DFEATURE_pdf=OFF -DFEATURE_raster_fp=OFF -DFEATURE_tabletevent=OFF
    -DFEATURE_textodfwriter=OFF -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF
    -DFEATURE_texthtmlparser=OFF -DFEATURE_cssparser=OFF -DFEATURE_desktopservices=OFF
    -DFEATURE_systemtrayicon=OFF -DFEATURE_sessionmanager=OFF -DFEATURE_undocommand=OFF
    -DFEATURE_whatsthis=OFF
    # QtWidgets: what the two windows, their messages, the save dialog and Windows' own style
    # need. The save dialog is Windows' own, yet QFileDialog, which hands it over, needs the
    # file system model, proxy models and splitters.
    -DFEATURE_style_stylesheet=OFF -DFEATURE_effects=OFF -DFEATURE_completer=OFF
    -DFEATURE_treewidget=OFF -DFEATURE_listwidget=OFF -DFEATURE_tablewidget=OFF
    -DFEATURE_columnview=OFF
    -DFEATURE_datawidgetmapper=OFF -DFEATURE_commandlinkbutton=OFF -DFEATURE_datetimeedit=OFF
    -DFEATURE_textbrowser=OFF -DFEATURE_splashscreen=OFF
    -DFEATURE_formlayout=OFF -DFEATURE_lcdnumber=OFF -DFEATURE_fontcombobox=OFF
    -DFEATURE_toolbox=OFF -DFEATURE_dockwidget=OFF -DFEATURE_mdiarea=OFF -DFEATURE_statusbar=OFF
    -DFEATURE_progressbar=OFF -DFEATURE_dial=OFF -DFEATURE_scroller=OFF -DFEATURE_graphicsview=OFF
    -DFEATURE_graphicseffect=OFF -DFEATURE_syntaxhighlighter=OFF -DFEATURE_rubberband=OFF
    -DFEATURE_statustip=OFF -DFEATURE_sizegrip=OFF -DFEATURE_calendarwidget=OFF
    -DFEATURE_keysequenceedit=OFF -DFEATURE_colordialog=OFF
    -DFEATURE_fontdialog=OFF -DFEATURE_progressdialog=OFF -DFEATURE_errormessage=OFF
    -DFEATURE_wizard=OFF -DFEATURE_undoview=OFF
)
# Prismark draws with these; a Qt without them would build but look or work wrong.
required=(accessibility style_fusion style_windows style_windowsvista imageformat_png
          imageformat_bmp combobox lineedit messagebox filedialog draganddrop clipboard
          highdpiscaling)

key=$( { echo "$version"; printf '%s\n' "${options[@]}"; cat "$toolchain"
         x86_64-w64-mingw32-g++-posix --version | head -n 1; } | sha256sum | cut -c1-12)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/prismark
prefix=$cache/qt-${version}-windows-x64-static-$key
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

work=$cache/qt-build-$key
rm -rf "$work" "$prefix"
mkdir -p "$work/apt/parts" "$work/apt/lists/partial" "$work/apt/cache/archives/partial"

# A private apt setup that leaves the machine's own as it was: one deb-src entry, for the Debian
# archive that the installed qt6-base-dev came from, and none of the machine's update hooks.
read -r uri suite component < <(apt-cache policy qt6-base-dev | awk '
    /^ \*\*\* / { installed = 1; next }
    installed && $2 ~ /^(https?|file):/ { split($3, where, "/"); print $2, where[1], where[2]; exit }')
if [ -z "${uri:-}" ]; then
    echo "No Debian archive is known to have the installed qt6-base-dev $version" >&2
    exit 1
fi
echo "deb-src $uri $suite $component" >"$work/apt/sources.list"
printf '#clear %s;\n' APT::Update::Pre-Invoke APT::Update::Post-Invoke \
    APT::Update::Post-Invoke-Success >"$work/apt/apt.conf"
apt_private=(-c "$work/apt/apt.conf"
             -o "Dir::Etc::SourceList=$work/apt/sources.list" -o "Dir::Etc::SourceParts=$work/apt/parts"
             -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache=$work/apt/cache"
             -o "APT::Sandbox::User=$(id -un)")
echo "Fetching the source of qt6-base $version from $uri $suite" >&2
apt-get "${apt_private[@]}" update -qq >&2
(cd "$work" && apt-get "${apt_private[@]}" source -qq "qt6-base=$version" >&2)
source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')

echo "Building a static Qt for Windows (about 20 minutes on two cores)" >&2
cmake -S "$source_dir" -B "$work/build" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    "${options[@]}" >"$work/configure.log" 2>&1 || { tail -n 40 "$work/configure.log" >&2; exit 1; }
for feature in "${required[@]}"; do
    if ! grep -q "^QT_FEATURE_$feature:INTERNAL=ON" "$work/build/CMakeCache.txt"; then
        echo "The Qt configuration left out $feature, which Prismark needs" >&2
        exit 1
    fi
done
cmake --build "$work/build" >"$work/build.log" 2>&1 || { tail -n 40 "$work/build.log" >&2; exit 1; }
cmake --install "$work/build" >"$work/install.log" 2>&1 || { tail -n 40 "$work/install.log" >&2; exit 1; }
# The licence texts of Qt and of the third-party code it bundles, for whoever ships a program
# linked with it, and the Debian source package it was built from.
mkdir -p "$prefix/licenses/3rdparty"
cp "$source_dir"/LICENSES/*.txt "$prefix/licenses/"
find "$source_dir/src/3rdparty" -maxdepth 2 -type f \( -iname 'LICEN[CS]E*' -o -iname 'COPYING*' \) |
    while read -r file; do
        relative=${file#"$source_dir/src/3rdparty/"}
        cp "$file" "$prefix/licenses/3rdparty/${relative//\//-}"
    done
echo "$version" >"$prefix/debian-source-version"
touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"
