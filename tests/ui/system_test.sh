#!/usr/bin/env bash
# Plays the built program as a player would: on an X server of its own with a
# Spanish keyboard, in an empty directory, with real key presses. What it checks
# is what a player would see in the two files and in the titles of the boxes.
#   system_test.sh PROGRAM [SCREENSHOT_DIR]
# With SCREENSHOT_DIR the windows are photographed on the way.
set -euo pipefail
program=$(realpath "$1")
shots=${2:+$(realpath "$2")}

work=$(mktemp -d)
xvfb_pid=
game_pid=
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

# An X server on a display nobody uses; it says which once it is ready.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
read -r -t 20 display_number <"$work/display" || fail "Xvfb did not start"
export DISPLAY=":$display_number"
setxkbmap es
export LANG=C.UTF-8 QT_QPA_PLATFORM=xcb
# For a build with the leak checker: what the X11 platform's libraries keep is theirs.
export LSAN_OPTIONS="suppressions=$(dirname "$(realpath "$0")")/lsan.supp"
unset QT_SCALE_FACTOR

cd "$work"
mkdir game
cd game

start_game() {
  "$program" >"$work/game.log" 2>&1 &
  game_pid=$!
  main=$(window '^CuErDaLoKKK V1\.0$')
}

# The id of the visible window whose title matches, once it is there.
window() {
  timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -n 1 || fail "no window \"$1\""
}

gone() {
  for _ in $(seq 50); do
    xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "window \"$1\" still open"
}

# Keys pressed in the window; without a window manager, focus is given by hand.
press() {
  local target=$1; shift
  xdotool windowfocus --sync "$target"
  xdotool key --delay 40 "$@"
  sleep 0.3
}

shot() { # name, window
  [ -n "$shots" ] || return 0
  sleep 0.5
  import -window "$2" "$shots/screenshot-$1.png"
}

# The main window with whatever box lies over it.
shot_over_main() {
  [ -n "$shots" ] || return 0
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$main")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shots/screenshot-$1.png"
}

expect_file() { # file, expected bytes (printf format)
  # shellcheck disable=SC2059
  printf "$2" | cmp -s - "$1" || { od -c "$1" | head -20 >&2; fail "$1 is not as expected"; }
}

quit_game() {
  press "$main" ctrl+q
  for _ in $(seq 50); do
    kill -0 "$game_pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$game_pid" 2>/dev/null && fail "Ctrl+Q did not end the program"
  wait "$game_pid" || fail "the program ended with status $?"
  game_pid=
}

default_scores='Quiro\r\n1000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n'

echo "First run: both files written"
start_game
shot main "$main"
builtin=(Calle CoChE MoTo MaNteQuIlla MiErDa Silla MeSa BoMbIllA BoLi 'BaR\xe7A' MoRaSqO ArMaRiO
  DaNoNe NiKe AdIdAs Feo ToNtO PiZarrA OrDeNaDoR InTeRnEt TeClAdO RaToN AlFoMbRa DiBuJo HoJa
  '\xc1rBoL' 'CaMi\xd3n' EsTaDiO FuTbOl PeLoTa GaFaS LeTrA WiNdOwS 'M\xf3ViL' VeNtAnA CrIsTaL
  EsCaLeRaS QUIRO ChAtEaR JuGaR CorrEr CoCiNa 'HaBiTaCi\xd3n' 'L\xe1MpArA' CoMiDa JeRsEi
  PaNtAlOnEs CaMiSa BaMbAs ZaPaToS ReLoJ ChiClE CaRpEtA CoLoReS AzUl RoJo)
expect_file palabras.txt "$(printf '%s\\r\\n' "${builtin[@]}")"
expect_file puntuaciones.txt "$default_scores"

echo "Ctrl+Q ends the program"
quit_game

echo "A word won with letters typed directly and through a dead key"
printf 'Cami\xd3n\r\n' >palabras.txt
start_game
press "$main" F2 c a Caps_Lock m Caps_Lock i x z # Caps Lock gives "M"
shot game "$main"
press "$main" dead_acute o n
won=$(window 'GaNaDoR')
press "$won" Return
gone 'GaNaDoR'

echo "Nine misses lose the word"
press "$main" b d e f g h j k l
lost=$(window '^PeRdEdOr$')
shot_over_main lost
press "$lost" Return
gone '^PeRdEdOr$'

echo "The record's name is typed and saved"
record=$(window '^Record$')
press "$record" N dead_acute u ntilde e z Return
scores=$(window '^Puntuaciones$')
shot scores "$scores"
press "$scores" Return
gone '^Puntuaciones$'
expect_file puntuaciones.txt 'N\xfa\xf1ez\r\n1000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n'

echo "A word added through Introducir palabras nuevas"
xdotool mousemove --window "$main" 20 8 click 1 # the menu Juego
sleep 0.5
xdotool key --delay 100 Down Return
add=$(window '^Añadir palabras al fitxero\.\.\.$')
press "$add" P i n g dead_diaeresis u i n o
shot add-words "$add"
press "$add" Return
gone '^Añadir palabras'
expect_file palabras.txt 'Cami\xd3n\r\nPing\xfcino\r\n'

echo "The about box opens from the menu bar and Escape closes it"
xdotool mousemove --window "$main" 70 8 click 1 # Acerca de...
about=$(window '^Acerca de CuerdaloKKK$')
shot about "$about"
press "$about" Escape
gone '^Acerca de CuerdaloKKK$'

quit_game
echo "PASS"
