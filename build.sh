#!/usr/bin/env bash
# ./build.sh play   installs what is missing, builds and starts the game
# ./build.sh test   installs what is missing, builds and runs every test
#                   (also under AddressSanitizer and UndefinedBehaviorSanitizer)
# ./build.sh package  installs what is missing, builds the game and makes its
#                   Debian package, build/cuerdalokkk_<version>_<arch>.deb
# ./build.sh windows  installs what is missing, builds Qt for 64-bit Windows once
#                   (into ~/.cache/cuerdalokkk), then the game, and makes
#                   build-windows/cuerdalokkk-<version>-win64.zip and -setup.exe
# ./build.sh windows test  the same, then runs the core's tests and the game
#                   and its installer under Wine (also part of `test` once
#                   Qt for Windows is built)
# ./build.sh under-load [RUNS [A11Y_RUNS]]  builds the sanitizer tree, then runs
#                   its tests RUNS times (5) and the accessibility test A11Y_RUNS
#                   times (20) while every processor is kept busy
set -euo pipefail
cd "$(dirname "$0")"
top=$PWD
jobs=$(nproc)

packages=(cmake g++ make pkgconf libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev libxcb-xkb-dev
  fonts-liberation2 qt6-translations-l10n)
package_packages=(dpkg-dev file)
test_packages=(xvfb xauth xdotool x11-xkb-utils imagemagick desktop-file-utils
  appstream clang clang-format libclang-rt-dev valgrind util-linux "${package_packages[@]}" lintian man-db
  orca python3-pyatspi at-spi2-core dbus-daemon libglib2.0-bin)

windows_packages=(g++-mingw-w64-x86-64-posix ninja-build dpkg-dev xz-utils wine wine64 nsis)
windows_test_packages=(xvfb xauth xdotool x11-xkb-utils imagemagick openbox)
qt_cache=${XDG_CACHE_HOME:-$HOME/.cache}/cuerdalokkk
windows_qt_built() { [ -f "$qt_cache/qt-6.4.2-mingw64/.complete" ]; }

install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

# Two builds of one commit make the same package: the times inside it are the
# last commit's, or outside git the newest changelog entry's, unless the
# caller gives one.
source_date() {
  git -C "$top" log -1 --format=%ct 2>/dev/null ||
    date -d "$(sed -n 's/^ -- .*>  //p' packaging/changelog | head -n 1)" +%s
}

configure_and_build() { # dir, cmake options...
  local dir=$1; shift
  cmake -S "$top" -B "$top/$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$top/$dir" -j "$jobs"
}

# ctest in a build folder. A test skipped (a system that refuses what it needs)
# is named at the end with the reason it gave, its output's last line.
run_tests() { # dir, ctest options...
  local dir=$1 status=0 name
  shift
  (cd "$dir" && ctest --output-on-failure -j "$jobs" "$@") | tee "$dir/ctest.out" || status=$?
  sed -n 's/^\s*[0-9]* - \(.*\) (Skipped)$/\1/p' "$dir/ctest.out" | while read -r name; do
    echo "skipped: $name, $(awk -v test="$name" '$2 == "Testing:" { here = $3 == test }
      here && /^<end of output>$/ { sub(/^(skip|SKIP): /, "", reason); print reason; exit }
      here && NF && !/^-+$/ && !/^Output:$/ { reason = $0 }' "$dir/Testing/Temporary/LastTest.log")"
  done
  return "$status"
}

# The game for Windows, cross-built: its zip and installer, and with `test` its
# tests under Wine.
windows() { # [test]
  export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(source_date)}
  install_missing "${packages[@]}" "${windows_packages[@]}" ${1:+"${windows_test_packages[@]}"}
  local qt testing=OFF werror=OFF
  qt=$(packaging/windows/qt_for_windows.sh "$qt_cache")
  [ -z "${1:-}" ] || testing=ON werror=ON
  # The art tools draw the pictures and the icon on this machine.
  cmake -S "$top" -B "$top/build-windows/host" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCUERDALOKKK_BENCH=OFF >/dev/null
  cmake --build "$top/build-windows/host" -j "$jobs" --target art_render
  cmake -S "$top" -B "$top/build-windows" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$top/packaging/windows/mingw64.cmake" -DCMAKE_PREFIX_PATH="$qt" -DCMAKE_FIND_ROOT_PATH="$qt" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCUERDALOKKK_HOST_ART_RENDER="$top/build-windows/host/ui/art/tools/art_render" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$top/packaging/windows/wine_run.sh" \
    -DBUILD_TESTING=$testing -DCUERDALOKKK_WERROR=$werror -DCUERDALOKKK_BENCH=ON >/dev/null
  cmake --build "$top/build-windows" -j "$jobs"
  rm -rf "$top/build-windows/stage"
  cmake --install "$top/build-windows" --prefix "$top/build-windows/stage" --strip >/dev/null
  local version
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$top/build-windows/CMakeCache.txt")
  packaging/windows/make_packages.sh "$top/build-windows/stage" "$top/build-windows/data/cuerdalokkk.ico" \
    "$version" "$top/build-windows"
  ls "$top/build-windows"/cuerdalokkk-"$version"-*
  [ -n "${1:-}" ] || return 0
  export WINEPREFIX="$top/build-windows/wine"
  [ -d "$WINEPREFIX" ] || { packaging/windows/wine_run.sh wineboot --init >/dev/null 2>&1 && wineserver -w; }
  # One server for all the tests, with its services started here: a server that
  # ends between two tests may be caught ending, and services a test started
  # would hold its output open.
  wineserver -p && packaging/windows/wine_run.sh wineboot >/dev/null 2>&1
  local status=0
  run_tests "$top/build-windows" || status=$?
  wineserver -k || true
  return "$status"
}

# The sanitizer build's tests while every processor is kept busy, as on a loaded
# laptop or CI machine: each run's result and time, and how many failed. Each
# run's output is kept in build-sanitize/under-load/, with Orca's log of each
# accessibility run.
under_load() { # runs, accessibility runs
  local logs=$top/build-sanitize/under-load failed=0 i
  install_missing "${packages[@]}" "${test_packages[@]}"
  configure_and_build build-sanitize -DCUERDALOKKK_WERROR=ON -DCUERDALOKKK_SANITIZE=ON -DCUERDALOKKK_BENCH=OFF
  mkdir -p "$logs"
  # The load: stress-ng where it is installed, else busy loops, one a processor.
  if command -v stress-ng >/dev/null; then
    stress-ng --cpu "$jobs" --quiet &
  else
    for _ in $(seq "$jobs"); do (while :; do :; done) & done
  fi
  # shellcheck disable=SC2046
  trap 'kill $(jobs -p) 2>/dev/null || true; wait' EXIT
  run() { # name, command...
    local start=$SECONDS status=0
    "${@:2}" >"$logs/$1.log" 2>&1 || status=$?
    echo "$1: $([ "$status" -eq 0 ] && echo passed || echo "FAILED (status $status)") in $((SECONDS - start)) s"
    [ "$status" -eq 0 ] || { failed=$((failed + 1)) && grep -E 'FAIL|\((Failed|Timeout)\)' "$logs/$1.log" | head; }
  }
  for i in $(seq "$1"); do
    run "ctest-$i" ctest --test-dir "$top/build-sanitize" --output-on-failure -j "$jobs"
  done
  for i in $(seq "$2"); do
    mkdir -p "$logs/accessibility-$i"
    run "accessibility-$i" tests/ui/accessibility_test.sh "$top/build-sanitize/app/cuerdalokkk" "$logs/accessibility-$i"
  done
  echo "$(($1 + $2)) runs under load, $failed failed"
  [ "$failed" -eq 0 ]
}

case "${1:-}" in
  play)
    install_missing "${packages[@]}"
    configure_and_build build -DCUERDALOKKK_WERROR=OFF -DBUILD_TESTING=OFF -DCUERDALOKKK_BENCH=OFF
    mkdir -p "$HOME/.local/share/cuerdalokkk"
    cd "$HOME/.local/share/cuerdalokkk"
    exec "$top/build/app/cuerdalokkk"
    ;;
  package)
    export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(source_date)}
    install_missing "${packages[@]}" "${package_packages[@]}"
    configure_and_build build -DCUERDALOKKK_WERROR=OFF -DBUILD_TESTING=OFF -DCUERDALOKKK_BENCH=OFF
    cd build && cpack -G DEB
    ;;
  windows)
    windows "${2:-}"
    ;;
  test)
    # Windows is tested too where Qt for it was built (about 25 minutes, once).
    if windows_qt_built; then
      windows test
    else
      echo "Qt for Windows is not built: skipping the Windows tests (./build.sh windows builds it)"
    fi
    install_missing "${packages[@]}" "${test_packages[@]}"
    configure_and_build build-sanitize -DCUERDALOKKK_WERROR=ON -DCUERDALOKKK_SANITIZE=ON -DCUERDALOKKK_BENCH=OFF
    run_tests build-sanitize
    CC=clang CXX=clang++ configure_and_build build-fuzz -DCUERDALOKKK_WERROR=ON -DCUERDALOKKK_FUZZ=ON -DCUERDALOKKK_UI=OFF \
      -DBUILD_TESTING=OFF -DCUERDALOKKK_BENCH=OFF
    run_tests build-fuzz -L fuzz
    # Named, since play and package leave them off in the same build directory.
    configure_and_build build -DCUERDALOKKK_WERROR=ON -DBUILD_TESTING=ON -DCUERDALOKKK_BENCH=ON
    run_tests build
    ;;
  under-load)
    under_load "${2:-5}" "${3:-20}"
    ;;
  *)
    echo "usage: $0 play|test|package|windows [test]|under-load [RUNS [A11Y_RUNS]]" >&2
    exit 2
    ;;
esac
