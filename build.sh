#!/usr/bin/env bash
# ./build.sh play   installs what is missing, builds and starts the game
# ./build.sh test   installs what is missing, builds and runs every test
#                   (also under AddressSanitizer and UndefinedBehaviorSanitizer)
# ./build.sh package  installs what is missing, builds the game and makes its
#                   Debian package, build/cuerdalokkk_<version>_<arch>.deb
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

configure_and_build() { # dir, cmake options...
  local dir=$1; shift
  cmake -S "$top" -B "$top/$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$top/$dir" -j "$jobs"
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
    install_missing "${packages[@]}" "${package_packages[@]}"
    configure_and_build build -DCUERDALOKKK_WERROR=OFF -DBUILD_TESTING=OFF -DCUERDALOKKK_BENCH=OFF
    cd build && cpack -G DEB
    ;;
  test)
    install_missing "${packages[@]}" "${test_packages[@]}"
    configure_and_build build-sanitize -DCUERDALOKKK_WERROR=ON -DCUERDALOKKK_SANITIZE=ON -DCUERDALOKKK_BENCH=OFF
    (cd build-sanitize && ctest --output-on-failure -j "$jobs")
    CC=clang CXX=clang++ configure_and_build build-fuzz -DCUERDALOKKK_WERROR=ON -DCUERDALOKKK_FUZZ=ON -DCUERDALOKKK_UI=OFF \
      -DBUILD_TESTING=OFF -DCUERDALOKKK_BENCH=OFF
    (cd build-fuzz && ctest --output-on-failure -j "$jobs" -L fuzz)
    # Named, since play and package leave them off in the same build directory.
    configure_and_build build -DCUERDALOKKK_WERROR=ON -DBUILD_TESTING=ON -DCUERDALOKKK_BENCH=ON
    cd build && ctest --output-on-failure -j "$jobs"
    ;;
  *)
    echo "usage: $0 play|test|package" >&2
    exit 2
    ;;
esac
