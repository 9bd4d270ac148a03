#!/usr/bin/env bash
# Plays the built program as a player would: on an X server of its own with a
# Spanish keyboard, in an empty directory, with real key presses. What it checks
# is what a player would see in the two files and in the titles of the boxes.
#   system_test.sh PROGRAM [SCREENSHOT_DIR]
# With SCREENSHOT_DIR the windows are photographed on the way.
set -euo pipefail
program=$(realpath "$1")
shots=${2:+$(realpath "$2")}

source "$(dirname "$(realpath "$0")")/x_session.sh"
cd "$work/game"

# A key needs its time to reach the boxes it may open.
press_and_wait() {
  press "$@"
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
press_and_wait "$main" F2 c a Caps_Lock m Caps_Lock i x z # Caps Lock gives "M"
shot game "$main"
press_and_wait "$main" dead_acute o n
won=$(window 'GaNaDoR')
press_and_wait "$won" Return
gone 'GaNaDoR'

echo "Nine misses lose the word"
press_and_wait "$main" b d e f g h j k l
lost=$(window '^PeRdEdOr$')
shot_over_main lost
press_and_wait "$lost" Return
gone '^PeRdEdOr$'

echo "The record's name is typed and saved"
record=$(window '^Record$')
press_and_wait "$record" N dead_acute u ntilde e z Return
scores=$(window '^Puntuaciones$')
shot scores "$scores"
press_and_wait "$scores" Return
gone '^Puntuaciones$'
expect_file puntuaciones.txt 'N\xfa\xf1ez\r\n1000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n'

echo "A word added through Introducir palabras nuevas"
xdotool mousemove --window "$main" 20 8 click 1 # the menu Juego
sleep 0.5
xdotool key --delay 100 Down Return
add=$(window '^Añadir palabras al fitxero\.\.\.$')
press_and_wait "$add" P i n g dead_diaeresis u i n o
shot add-words "$add"
press_and_wait "$add" Return
gone '^Añadir palabras'
expect_file palabras.txt 'Cami\xd3n\r\nPing\xfcino\r\n'

echo "The about box opens from the menu bar and Escape closes it"
xdotool mousemove --window "$main" 70 8 click 1 # Acerca de...
about=$(window '^Acerca de CuerdaloKKK$')
shot about "$about"
press_and_wait "$about" Escape
gone '^Acerca de CuerdaloKKK$'

quit_game
echo "PASS"
