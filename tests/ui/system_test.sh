#!/usr/bin/env bash
# Plays the built program as a player would: on an X server of its own with a
# Spanish keyboard, in an empty directory, with real key presses. What it checks
# is what a player would see in the two files and in the titles of the boxes.
#   system_test.sh PROGRAM [SCREENSHOT_DIR]
# With SCREENSHOT_DIR the windows are photographed on the way.
set -euo pipefail
program=$(realpath "$1") shots=${2:+$(realpath -m "$2")}
[ -z "$shots" ] || mkdir -p "$shots"
source "$(dirname "$(realpath "$0")")/x_session.sh"
cd "$work/game"

# The screen where the window is, with whatever box lies over it.
shot() { # name, window
  [ -n "$shots" ] || return 0
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$2")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shots/screenshot-$1.png"
}

# First run: the built-in words and the default scores written
start_game
shot main "$main"
sha256sum --quiet -c <<<"311bb5ef1fcf31e62b15cbf41c1a4a142f984cec279392a20db39e6e4eb1f34a  palabras.txt"
printf 'Quiro\r\n1000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n' | cmp - puntuaciones.txt
quit_game

# A word won with letters typed directly and through a dead key
printf 'Cami\xd3n\r\n' >palabras.txt
start_game
# The Caps Lock light, the status bar's first panel, follows the key at once
caps_light() { eval "$(xdotool getwindowgeometry --shell "$main")" && import -window "$main" -crop "96x20+0+$((HEIGHT - 20))" rgb:- | md5sum; }
off=$(caps_light) && press "$main" Caps_Lock && on=$(caps_light) && press "$main" Caps_Lock
[ "$on" != "$off" ] && [ "$(caps_light)" = "$off" ] || fail "the Caps Lock light does not follow the key"
press "$main" F2 c a Caps_Lock m Caps_Lock i x z # Caps Lock gives "M"
shot game "$main"
press "$main" dead_acute o n
won=$(window 'GaNaDoR')
shot won "$won"
press "$won" Return

# Nine misses lose the word; the record's name is typed and saved
press "$main" b d e f g h j k l
lost=$(window '^PeRdEdOr$')
shot lost "$main"
press "$lost" Return
press "$(window '^Record$')" P e ntilde a Return
scores=$(window '^Puntuaciones$')
shot scores "$scores"
press "$scores" Return
gone '^Puntuaciones$'
printf 'Pe\xf1a\r\n1000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n' | cmp - puntuaciones.txt

# A word added through Introducir palabras nuevas, in a new start: Wine's keyboard
# gives every dead key of a process the first character it composed.
quit_game
start_game
# The menu Juego, then its first item.
xdotool mousemove --window "$main" 20 8 click 1 sleep 0.5 key --delay 100 Down Return
add=$(window '^Añadir palabras al fitxero\.\.\.$')
press "$add" P i n g dead_diaeresis u i n o
shot add-words "$add"
press "$add" Return
gone '^Añadir palabras'
printf 'Cami\xd3n\r\nPing\xfcino\r\n' | cmp - palabras.txt

# The about box opens from the menu bar and Escape closes it
xdotool mousemove --window "$main" 70 8 click 1 # Acerca de...
about=$(window '^Acerca de CuerdaloKKK$')
shot about "$about"
press "$about" Escape
gone '^Acerca de CuerdaloKKK$'

quit_game
echo "PASS"
