#!/usr/bin/env bash
# Builds a static Qt for 64-bit Windows from Debian's own qt6-base source package, once, into a
# cache outside the clone, and prints the folder it is installed in. Later runs with the same
# Qt version, options and compiler reuse it.
set -euo pipefail
cd "$(dirname "$0")/.."

toolchain=$PWD/cmake/mingw-w64-x86_64.cmake
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)

# Only what Prismark and its tests use; the bundled third-party copies instead of system ones.
options=(
    -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_testlib=ON
    -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF
    -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF
    -DFEATURE_tabletevent=OFF -DFEATURE_freetype=OFF -DFEATURE_fontconfig=OFF
    -DFEATURE_openssl=OFF -DINPUT_openssl=no -DFEATURE_zstd=OFF
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
    -DFEATURE_androiddeployqt=OFF -DFEATURE_qmake=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_system_freetype=OFF
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_system_textmarkdownreader=OFF
)

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

# A private apt setup with deb-src entries for the machine's own mirrors, so that the machine's
# apt configuration stays as it was.
: >"$work/apt/sources.list"
if [ -f /etc/apt/sources.list ]; then
    sed -n 's/^deb\s/deb-src /p' /etc/apt/sources.list >"$work/apt/sources.list"
fi
for file in /etc/apt/sources.list.d/*.sources; do
    [ -f "$file" ] && sed 's/^Types:.*/Types: deb-src/' "$file" >"$work/apt/parts/$(basename "$file")"
done
for file in /etc/apt/sources.list.d/*.list; do
    [ -f "$file" ] && sed -n 's/^deb\s/deb-src /p' "$file" >"$work/apt/parts/$(basename "$file")"
done
apt_private=(-o "Dir::Etc::SourceList=$work/apt/sources.list" -o "Dir::Etc::SourceParts=$work/apt/parts"
             -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache=$work/apt/cache"
             -o "APT::Sandbox::User=$(id -un)")
echo "Fetching the source of qt6-base $version" >&2
apt-get "${apt_private[@]}" update -qq >&2
(cd "$work" && apt-get "${apt_private[@]}" source -qq "qt6-base=$version" >&2)
source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')

echo "Building a static Qt for Windows (about 15 minutes on two cores)" >&2
cmake -S "$source_dir" -B "$work/build" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    "${options[@]}" >"$work/configure.log" 2>&1 || { tail -n 40 "$work/configure.log" >&2; exit 1; }
cmake --build "$work/build" >"$work/build.log" 2>&1 || { tail -n 40 "$work/build.log" >&2; exit 1; }
cmake --install "$work/build" >"$work/install.log" 2>&1 || { tail -n 40 "$work/install.log" >&2; exit 1; }
# The licence texts of Qt and of the third-party code it bundles, for whoever ships a program
# linked with it.
mkdir -p "$prefix/licenses/3rdparty"
cp "$source_dir"/LICENSES/*.txt "$prefix/licenses/"
find "$source_dir/src/3rdparty" -maxdepth 2 -type f \( -iname 'LICEN[CS]E*' -o -iname 'COPYING*' \) |
    while read -r file; do
        relative=${file#"$source_dir/src/3rdparty/"}
        cp "$file" "$prefix/licenses/3rdparty/${relative//\//-}"
    done
touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"
