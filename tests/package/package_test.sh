#!/usr/bin/env bash
# Builds the Debian package from a built tree and goes through what a player's
# system does with it: checks its control fields and lintian's verdict,
# installs it, starts the game through its menu entry on an X server of its
# own, sees the game's files made in the player's data directory, and removes
# the package again, also when a step fails.
#   package_test.sh BUILD_DIR VERSION APP_ID
# Installing needs root; without it the test says it is skipped.
set -euo pipefail
build=$(realpath "$1") version=$2 app_id=$3

skip() { echo "SKIP: $*"; exit 77; }
[ "$(id -u)" -eq 0 ] || skip "installing a package needs root"
# An installed copy belongs to the machine's owner: never replace or remove it.
! dpkg-query -W -f='${Status}' cuerdalokkk 2>/dev/null | grep -q 'ok installed' || skip "cuerdalokkk is already installed here"

export DEBIAN_FRONTEND=noninteractive
installed=
# The X server the game is started on, `work` and its removal at the end.
source "$(dirname "$(realpath "$0")")/../ui/x_session.sh"
extra_cleanup() { [ -z "$installed" ] || apt-get purge -y cuerdalokkk >/dev/null 2>&1 || echo "FAIL: the package could not be removed" >&2; }

# The package is built, with its control fields
cpack --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null
deb=$work/package/cuerdalokkk_${version}_$(dpkg --print-architecture).deb
fields=$(dpkg-deb --show --showformat='${Package} ${Version} ${Section}, ${Depends},' "$deb")
for needed in "cuerdalokkk $version games," libqt6widgets6 libqt6svg6 fonts-liberation2 qt6-translations-l10n; do
  [[ $fields =~ (^|[,|]\ )"$needed"[\ ,] ]] || fail "the control fields lack $needed: $fields"
done

# Lintian finds no error
lintian --fail-on error "$deb"

# It installs, with its manual page
installed=yes
apt-get install -qq -y --no-install-recommends "$deb" >/dev/null
[[ "$(man -w cuerdalokkk)" == */man6/cuerdalokkk.6.gz ]] || fail "man cuerdalokkk finds $(man -w cuerdalokkk)"

# The menu entry starts the game in the player's data directory, made for the player alone
entry=/usr/share/applications/$app_id.desktop
read -ra command <<<"$(sed -n 's/^Exec=//p' "$entry")"
mkdir -p "$work/home" "$work/menu" && cd "$work/menu"
# XDG_DATA_HOME, and where the game keeps its files then: a relative one does not count.
for row in "data|$work/home/.local/share/cuerdalokkk" "$work/my data|$work/my data/cuerdalokkk"; do
  IFS='|' read -r data_home files <<<"$row"
  env -u QT_QPA_PLATFORM -u QT_SCALE_FACTOR HOME="$work/home" XDG_DATA_HOME="$data_home" "${command[@]}" >"$work/game.log" 2>&1 &
  game_pid=$!
  window '^CuErDaLoKKK V1\.0$' >/dev/null
  # Docks and switchers match the window to its entry, and so to its icon, by class.
  xdotool search --class "^$(sed -n 's/^StartupWMClass=//p' "$entry")\$" >/dev/null || fail "no window of the entry's StartupWMClass"
  made() { [ -s "$files/palabras.txt" ] && [ -s "$files/puntuaciones.txt" ] || { ls -A "$files"; false; }; }
  wait_until "the game's files in $files" made
  [ "$(stat -c %a "$files")" = 700 ] || fail "$files is open to others"
  kill "$game_pid" && wait "$game_pid" 2>/dev/null || true
done
[ -z "$(ls -A "$work/menu")" ] || fail "files left where the menu started the game: $(ls -A "$work/menu")"

# It is removed again
installed=
apt-get purge -qq -y cuerdalokkk >/dev/null
[ ! -e /usr/games/cuerdalokkk ] || fail "/usr/games/cuerdalokkk is still there"
echo "PASS"
