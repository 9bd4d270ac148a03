#!/usr/bin/env bash
# Builds the Debian package from a built tree and goes through what a player's
# system does with it: checks its control fields and lintian's verdict,
# installs it, starts the game through its menu entry on an X server of its
# own, sees the game's files made in the player's data directory, and removes
# the package again, also when a step fails.
#   package_test.sh BUILD_DIR VERSION APP_ID
# Installing needs root and apt-get; without them the test says it is skipped.
set -euo pipefail
build=$(realpath "$1")
version=$2
app_id=$3

skip() { echo "SKIP: $*"; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }
show_and_fail() { # log, message
  cat "$1" >&2
  fail "$2"
}

[ "$(id -u)" -eq 0 ] || skip "installing a package needs root"
command -v apt-get >/dev/null || skip "no apt-get on this system"
# An installed copy belongs to the machine's owner: never replace or remove it.
if dpkg-query -W -f='${Status}' cuerdalokkk 2>/dev/null | grep -q 'ok installed'; then
  skip "cuerdalokkk is already installed here"
fi
command -v lintian >/dev/null || fail "lintian is missing (./build.sh test installs it)"

work=$(realpath "$(mktemp -d)")
installed=
xvfb_pid=
game_pid=
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  if [ -n "$installed" ] &&
      ! DEBIAN_FRONTEND=noninteractive apt-get purge -y cuerdalokkk >"$work/purge.log" 2>&1; then
    cat "$work/purge.log" >&2
    echo "FAIL: the package could not be removed" >&2
    rm -rf "$work"
    exit 1
  fi
  rm -rf "$work"
}
trap cleanup EXIT

echo "The package is built"
cpack --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
  show_and_fail "$work/cpack.log" "cpack failed"
deb=$work/package/cuerdalokkk_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $(basename "$deb") among: $(ls "$work/package")"

echo "Its control fields"
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = cuerdalokkk ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), not $version"
[ "$(field Section)" = games ] || fail "Section: $(field Section)"
depends=$(field Depends | tr ',|' '\n\n' | sed 's/^ *//; s/ .*//')
for needed in libqt6widgets6 libqt6svg6 fonts-liberation2 qt6-translations-l10n; do
  grep -qx "$needed" <<<"$depends" || fail "Depends lacks $needed: $(field Depends)"
done

echo "Lintian finds no error"
status=0
lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 || status=$?
grep -v 'running with root privileges' "$work/lintian.log" || true
[ "$status" -eq 0 ] || fail "lintian found errors"

echo "It installs"
installed=yes
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$deb" >"$work/install.log" 2>&1 ||
  show_and_fail "$work/install.log" "apt-get install failed"
if command -v man >/dev/null; then
  [[ "$(man -w cuerdalokkk)" == */man6/cuerdalokkk.6.gz ]] || fail "man cuerdalokkk finds $(man -w cuerdalokkk)"
fi

echo "The menu entry starts the game in the player's data directory"
entry=/usr/share/applications/$app_id.desktop
[ -f "$entry" ] || fail "no menu entry $entry"
exec_line=$(sed -n 's/^Exec=//p' "$entry")
[[ "$exec_line" != *[%\"\'\\]* ]] || fail "this test runs plain commands only: Exec=$exec_line"
read -ra command <<<"$exec_line"

mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 20 display_number <"$work/display" || fail "Xvfb did not start"

mkdir -p "$work/home" "$work/menu"
cd "$work/menu"
env -u QT_QPA_PLATFORM -u QT_SCALE_FACTOR DISPLAY=":$display_number" HOME="$work/home" XDG_DATA_HOME="$work/data" LANG=C.UTF-8 \
  "${command[@]}" >"$work/game.log" 2>&1 &
game_pid=$!
DISPLAY=":$display_number" timeout 20 xdotool search --sync --onlyvisible --name '^CuErDaLoKKK V1\.0$' >/dev/null ||
  show_and_fail "$work/game.log" "no game window"
# Docks and switchers match the window to its entry, and so to its icon, by class.
wm_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
DISPLAY=":$display_number" xdotool search --class "^$wm_class\$" >/dev/null ||
  fail "no window of class $wm_class, the entry's StartupWMClass"
for file in palabras.txt puntuaciones.txt; do
  for _ in $(seq 50); do
    [ -s "$work/data/cuerdalokkk/$file" ] && break
    sleep 0.1
  done
  [ -s "$work/data/cuerdalokkk/$file" ] || fail "no $file in the data directory"
done
[ -z "$(ls -A "$work/menu")" ] || fail "files left where the menu started the game: $(ls -A "$work/menu")"
kill "$game_pid"
wait "$game_pid" 2>/dev/null || true
game_pid=

echo "It is removed again"
installed=
DEBIAN_FRONTEND=noninteractive apt-get purge -y cuerdalokkk >"$work/purge.log" 2>&1 ||
  show_and_fail "$work/purge.log" "apt-get purge failed"
[ ! -e /usr/games/cuerdalokkk ] || fail "/usr/games/cuerdalokkk is still there"
echo "PASS"
