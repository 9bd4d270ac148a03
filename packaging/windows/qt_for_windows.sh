#!/usr/bin/env bash
# Builds Qt's base (only what the game uses) for 64-bit Windows, once, into a
# cache outside the tree; later runs find it and return at once.
# Usage: qt_for_windows.sh CACHE_DIR   (prints nothing on success but the prefix)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cache=$1
version=6.4.2
prefix=$cache/qt-$version-mingw64
[ -f "$prefix/.complete" ] && { echo "$prefix"; exit 0; }

work=$cache/qt-$version-work
mkdir -p "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/src"
# Debian's source of qtbase, fetched through a sources list and apt folders of
# our own: the system's own lists stay untouched, and no root is needed. The
# source lines are made from the machine's own package lines, so its mirror or
# proxy serves the source too.
apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' 'Created-By: Packages' |
  sort -u | sed 's/^/deb-src /' >"$work/apt/sources.list"
[ -s "$work/apt/sources.list" ] || { echo "no Debian package source is configured (apt)" >&2; exit 1; }
apt_own=(-o "Dir::Etc::sourcelist=$work/apt/sources.list" -o Dir::Etc::sourceparts=- \
  -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache=$work/apt/cache" -o APT::Get::List-Cleanup=0)
if [ ! -d "$work/src/qtbase" ]; then
  apt-get "${apt_own[@]}" update >&2
  (cd "$work/src" && apt-get "${apt_own[@]}" source --download-only qt6-base >&2)
  tarball=$(ls "$work"/src/qt6-base_*.orig.tar.xz)
  mkdir -p "$work/src/qtbase"
  tar -xf "$tarball" -C "$work/src/qtbase" --strip-components=1
fi

# The tablet header is not in Debian's source, and the game has no use for it;
# without OpenGL, its dynamic loading must go too or the Windows plugin fails.
cmake -S "$work/src/qtbase" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$here/mingw64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF \
  -DFEATURE_printsupport=OFF -DFEATURE_tabletevent=OFF -DFEATURE_concurrent=OFF -DFEATURE_dynamicgl=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_freetype=OFF \
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_libpng=OFF -DFEATURE_jpeg=OFF \
  -DFEATURE_system_jpeg=OFF >&2
cmake --build "$work/build" -j "$(nproc)" >&2
cmake --install "$work/build" >&2
touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"
