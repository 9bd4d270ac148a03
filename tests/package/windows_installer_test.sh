#!/usr/bin/env bash
# Installs the game silently under Wine, in a Wine prefix of its own, and checks
# the Start-menu entry; starts the game as that entry does, which keeps its files
# in the player's folder; then uninstalls: the program goes, the player's files stay.
#   windows_installer_test.sh SETUP_EXE    (CUERDALOKKK_RUNNER runs Windows programs)
set -euo pipefail
setup=$(realpath "$1")
source "$(dirname "$(realpath "$0")")/../ui/x_session.sh"
$CUERDALOKKK_RUNNER "$setup" /S && wineserver -w
user=$WINEPREFIX/drive_c/users/$(id -un)
installed=$user/AppData/Local/Programs/CuErDaLoKKK
entry="$user/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/CuErDaLoKKK.lnk"
[ -f "$installed/CuErDaLoKKK.exe" ] || fail "the program is not installed"
[ -f "$entry" ] || fail "no Start-menu entry"
strings -el "$entry" | grep -qx -- --from-menu || fail "the Start-menu entry does not start the game from the menu"

# Started as the entry starts it: the files go to %APPDATA%\CuErDaLoKKK.
program=$installed/CuErDaLoKKK.exe
start_game --from-menu
quit_game
[ -f "$user/AppData/Roaming/CuErDaLoKKK/palabras.txt" ] || fail "no palabras.txt in the player's folder"
[ -z "$(ls -A "$work/game")" ] || fail "files written where the menu started the game"

# A player who started it from the program folder keeps those files too.
printf 'Sol\r\n' >"$installed/palabras.txt"
$CUERDALOKKK_RUNNER "$installed/Desinstalar.exe" /S && wineserver -w
# The uninstaller runs again from a copy of itself, which may start after the first has ended.
removed() { [ ! -e "$installed/CuErDaLoKKK.exe" ] && [ ! -e "$entry" ]; }
wait_until "the uninstaller to remove the program and its Start-menu entry" removed
wineserver -w
[ -f "$user/AppData/Roaming/CuErDaLoKKK/palabras.txt" ] && [ -f "$installed/palabras.txt" ] ||
  fail "the uninstaller removed the player's files"
echo "PASS"
