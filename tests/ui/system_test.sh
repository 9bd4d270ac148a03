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

# The Caps Lock light, the status bar's first panel, as import gives it with the options.
caps_light() {
  eval "$(xdotool getwindowgeometry --shell "$main")"
  import -window "$main" -crop "96x20+0+$((HEIGHT - 20))" "$@"
}
lit() { [ "$(caps_light rgb:- | md5sum)" != "$off" ]; }
# The game started, its window drawn (its first panel shows the light's name in
# more than one colour), and how the light looks while off.
drawn() { [ "$(caps_light -format %k info:)" -gt 2 ]; }
start_drawn() {
  start_game
  wait_until "the main window to be drawn" drawn
  off=$(caps_light rgb:- | md5sum)
}
# The keys pressed so far are handled and drawn: the game handles the lock's
# changes in turn with the keys, so the light goes on and off after them.
caught_up() {
  xdotool key Caps_Lock && wait_until "the Caps Lock light to go on" lit
  xdotool key Caps_Lock && wait_until "the Caps Lock light to go off" not lit
}

# The screen where the window is, with whatever box lies over it.
shot() { # name, window
  [ -n "$shots" ] || return 0
  caught_up
  eval "$(xdotool getwindowgeometry --shell "$2")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shots/screenshot-$1.png"
}
# The file holds the bytes printf's %b makes of the text.
holds() { printf %b "$2" | cmp -s - "$1"; } # file, text

# First run: the built-in words and the default scores written
start_drawn
shot main "$main"
built_in() { sha256sum --quiet -c <<<"311bb5ef1fcf31e62b15cbf41c1a4a142f984cec279392a20db39e6e4eb1f34a  palabras.txt"; }
wait_until "the built-in words in palabras.txt" built_in
wait_until "the default scores in puntuaciones.txt" holds puntuaciones.txt 'Quiro\r\n1000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n'
quit_game

# A word won with letters typed directly and through a dead key
printf 'Cami\xd3n\r\n' >palabras.txt
start_drawn
caught_up # the Caps Lock light follows the key
press "$main" F2 c a Caps_Lock m Caps_Lock i x z # Caps Lock gives "M"
shot game "$main"
press "$main" dead_acute o n
won=$(window 'GaNaDoR')
shot won "$won"
press "$won" Return
gone 'GaNaDoR'

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
wait_until "Peña's record in puntuaciones.txt" holds puntuaciones.txt 'Pe\xf1a\r\n1000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n'

# A word added through Introducir palabras nuevas, in a new start: Wine's keyboard
# gives every dead key of a process the first character it composed.
quit_game
start_drawn
# The menu Juego, once open (a window more on the screen), then its first item.
windows() { xdotool search --onlyvisible --name '' | wc -l; }
more_windows() { [ "$(windows)" -gt "$1" ]; }
before=$(windows)
xdotool mousemove --window "$main" 20 8 click 1
wait_until "the menu Juego to open" more_windows "$before"
xdotool key --delay 100 Down Return
add=$(window '^Añadir palabras al fitxero\.\.\.$')
press "$add" P i n g dead_diaeresis u i n o
shot add-words "$add"
press "$add" Return
gone '^Añadir palabras'
wait_until "Pingüino added to palabras.txt" holds palabras.txt 'Cami\xd3n\r\nPing\xfcino\r\n'

# The about box opens from the menu bar and Escape closes it
xdotool mousemove --window "$main" 70 8 click 1 # Acerca de...
about=$(window '^Acerca de CuerdaloKKK$')
shot about "$about"
press "$about" Escape
gone '^Acerca de CuerdaloKKK$'

quit_game
echo "PASS"
