#!/usr/bin/env bash
# Plays the built program as a blind player would: with the Orca screen reader
# on the accessibility buses of a desktop, on an X server of its own with a
# Spanish keyboard, with real key presses. It checks what Orca says after each
# key, what the accessibility tree shows, and what the game's two files hold.
# Orca speaks nothing aloud here: what it would say is read from its debug file.
#   accessibility_test.sh PROGRAM [LOG_DIR [SCREENSHOT_DIR]]
# With LOG_DIR, Orca's debug file and the focus changes are kept there; with
# SCREENSHOT_DIR, the windows are photographed on the way.
set -euo pipefail
program=$(realpath "$1") logs=${2:+$(realpath "$2")} shots=${3:+$(realpath -m "$3")} here=$(dirname "$(realpath "$0")")
probe=$here/accessibility_probe.py
source "$here/x_session.sh"
source "$here/sayings.sh"
key_delay=100 session_pid=
extra_cleanup() {
  # unshare holds SIGTERM back; its end by SIGKILL ends all in its namespace.
  kill -KILL "$session_pid" 2>/dev/null || true
  [ -z "$logs" ] || cp "$work/orca.log" "$work/focus.log" "$logs/" 2>/dev/null || true
}
logged() { grep -qs "$2" "$1" || { cat "$work/session.log" "$work/orca.out" "$work/focus.log" 2>/dev/null; false; }; }
wait_for() { wait_until "a line \"$2\" in $1" logged "$1" "$2"; } # file, line pattern

# Nothing of the user's own desktop is read or written.
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 DBUS_SESSION_BUS_ADDRESS="unix:path=$work/session-bus"
unset AT_SPI_BUS_ADDRESS WAYLAND_DISPLAY

# Orca speaks Spanish, as on a Spanish desktop, from a locale made here if the system has none.
mkdir "$work/locale" && localedef -i es_ES -f UTF-8 "$work/locale/es_ES.UTF-8" || { echo "skip: no es_ES locale"; exit 77; }
export LOCPATH=$work/locale LANG=es_ES.UTF-8
# Orca starts in a PID namespace with a /proc of its own, so all the session starts ends with
# it and Orca sees no other Orca of the user. Root needs no user namespace, which
# chroots and many containers refuse; in a chroot, whose / is no mount point,
# only the new /proc is made private.
session=(unshare --pid --fork --kill-child --mount-proc)
[ "$(id -u)" -eq 0 ] || session+=(--map-current-user)
"${session[@]}" true 2>/dev/null || session+=(--propagation unchanged)
"${session[@]}" true || { echo "skip: no PID namespace with a /proc of its own here"; exit 77; }
"${session[@]}" "$here/accessibility_session.sh" "$work" "$here/orca" >"$work/session.log" 2>&1 &
session_pid=$!
disown "$session_pid" # ended by SIGKILL at the end, which is no news
wait_for "$work/orca.log" "SPEECH OUTPUT: 'Lector de pantalla activado.'"
"$probe" focus CuErDaLoKKK >"$work/focus.log" 2>&1 &
wait_for "$work/focus.log" '^listening$'

# Orca has handled every event it was sent: each one queued was taken and
# processed (or dropped in a flood), so all it says about them is in its log.
orca_idle() {
  awk '/EVENT MANAGER: Queueing /{q++} /EVENT MANAGER: Dequeued /{q--}
    match($0, /EVENT MANAGER: [0-9]+ events pruned/){split(substr($0, RSTART + 15), n, " "); q -= n[1]}
    /vvvvv PROCESS OBJECT EVENT/{busy = 1} /\^\^\^\^\^ PROCESS OBJECT EVENT/{busy = 0}
    END{exit !(q == 0 && !busy)}' "$work/orca.log"
}

# Orca's utterances since line FROM of its log, joined by "|", match the
# pattern, and Orca has nothing more to say about what it was sent.
said() { # pattern, from
  heard=$("$probe" speech "$work/orca.log" "$2" | paste -sd '|')
  echo "Orca said \"$heard\""
  # shellcheck disable=SC2053
  [[ $heard == $1 ]] && orca_idle
}
wait_for_saying() { wait_until "Orca to say \"$1\"" said "$@"; } # pattern, from; leaves it in `heard`

# Keys pressed in a window, then what Orca says about them.
step() { # pattern, window, key...
  local from
  from=$(wc -l <"$work/orca.log")
  press "${@:2}"
  wait_for_saying "$1" "$from"
  echo "${*:3}: $heard"
}

# The screen where the window is, with whatever box lies over it.
shot() { # name, window
  [ -n "$shots" ] || return 0
  mkdir -p "$shots" && eval "$(xdotool getwindowgeometry --shell "$2")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shots/screenshot-$1.png"
}
# The file holds the bytes printf's %b makes of the text.
holds() { printf %b "$2" | cmp -s - "$work/game/$1" || fail "$1 holds $(od -c "$work/game/$1")"; } # file, text

# A game on the one word of palabras.txt
printf 'Feo\r\n' >"$work/game/palabras.txt"
start_game
hint="notificación ${saying[hint]}"
wait_for_saying "*|$hint" 0 # on the window's first focus
step "$hint" "$main" a
shot main "$main"
# One key a step: a busy Orca skips what a later key has already replaced.
step '*Introducir palabras nuevas.' "$main" F10
step 'Nuevo juego, submenú.' "$main" Down
step '1 Jugador F2.' "$main" Right
step "*|$hint" "$main" Escape Escape Escape
step "notificación ${saying[new_word]}" "$main" F2
step "notificación ${saying[miss]}" "$main" x
step "notificación ${saying[hit]}" "$main" f
# The lists say their letters, the status bar the lock keys, the turn and the tries left, once.
step "${saying[wrong_list]}|Lista con 1 elemento." "$main" Tab
step "${saying[right_list]}|Lista con 1 elemento." "$main" shift+Tab
step '*|barra de estado.|MAYÚS activado.|NUM desactivado.|Hora *|Fecha *|Aciertos: 1.|'"${saying[misses_panel]}"'|Sin turno.' \
  "$main" Caps_Lock Insert+KP_Enter Insert+KP_Enter

# The accessibility tree: the word, the status bar, the board, and no mnemonic marks in names.
wait_until "the accessibility tree to pass its checks" timeout "$patience" "$probe" tree CuErDaLoKKK \
  --word "${saying[word]}" --status-bar 7 'Hora [0-9]{2}:[0-9]{2}' \
  'Fecha [0-9]{2}/[0-9]{2}/[0-9]{4}' --board Tablero --not-named '&L'

step "*notificación ${saying[tried]}" "$main" Caps_Lock f
key_delay=50 step "notificación ${saying[together]}" "$main" z e
shot game "$main"
# The box speaks first; what the key did is said once it is closed.
step "alerta ${saying[winner_box]}|Has ganado.|Aceptar botón de pulsación." "$main" o
step "notificación ${saying[won]}" "$(window GaNaDoR)" Return
# Tab reaches the word
step "*${saying[blank_word]} etiqueta." "$main" Tab Tab
# A second word won makes 2000 points, a record once the third is lost.
step "*|alerta ${saying[winner_box]}|Has ganado.|Aceptar botón de pulsación." "$main" f e o
step "notificación ${saying[won_again]}" "$(window GaNaDoR)" Return
step "*alerta ${saying[loser_box]}.|Has perdido... La palabra era: feo.|Aceptar botón de pulsación." "$main" a b c d g h i j k
shot lost "$main"
# Said as the box opens, or (a screen reader that learns late of it) with the focus in it.
step "${saying[record_box]} diálogo?(.)|Introduce tu nombre texto." \
  "$(window PeRdEdOr)" Return
step "${saying[scores_box]} diálogo Nombre 1: Ana Puntuación 1: 2000 *|Aceptar botón de pulsación." "$(window '^Record$')" A n a Return
shot scores "$(window '^Puntuaciones$')"
step "Borrar botón de pulsación.|notificación ${saying[erased]}" "$(window '^Puntuaciones$')" Tab Return
holds puntuaciones.txt 'Quiro\r\n1000\r\nQuiro\r\n1000\r\nQuiro\r\n1000\r\n'
# F10 and Intro open the add-words dialog.
step "*${saying[add_words_box]} diálogo.|Palabra nueva texto." "$main" F10 Return
shot add-words "$(window fitxero)"
step "notificación ${saying[added]}" "$(window fitxero)" G a t o Return
holds palabras.txt 'Feo\r\nGato\r\n'

# A closed box's button loses the focus after the box is gone; Orca ignores
# losses, so only an object that gains the focus must still be there.
! grep -P '^gained\tdead\t' "$work/focus.log" || fail "objects gained the focus once gone"
quit_game
echo "PASS"
