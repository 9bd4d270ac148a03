#!/usr/bin/env bash
# Plays the built program as a blind player would: with the Orca screen reader
# on the accessibility buses of a desktop, on an X server of its own with a
# Spanish keyboard, with real key presses. It checks what Orca says after each
# key and what the accessibility tree shows. Orca speaks nothing aloud here:
# what it would say is read from its debug file.
#   accessibility_test.sh PROGRAM [LOG_DIR]
# With LOG_DIR, Orca's debug file and the focus changes are kept there.
set -euo pipefail
program=$(realpath "$1")
logs=${2:+$(realpath "$2")}
here=$(dirname "$(realpath "$0")")
probe=$here/accessibility_probe.py
source "$here/x_session.sh"
key_delay=100
session_pid= focus_pid= checks=0 failures=0
extra_cleanup() {
  if [ -n "$focus_pid" ]; then kill "$focus_pid" 2>/dev/null || true; fi
  # unshare holds SIGTERM back; its end by SIGKILL ends all in its namespace.
  if [ -n "$session_pid" ]; then kill -KILL "$session_pid" 2>/dev/null || true; fi
  if [ -n "$logs" ]; then cp "$work/orca.log" "$work/focus.log" "$logs/" 2>/dev/null || true; fi
}
check() { # passed (0 or 1), what, why it failed
  checks=$((checks + 1))
  if [ "$1" = 1 ]; then echo "ok: $2"; else echo "FAIL: $2: $3"; failures=$((failures + 1)); fi
}
wait_for() { # file, line pattern
  for _ in $(seq 100); do grep -qs "$2" "$1" && return 0; sleep 0.2; done
  return 1
}

# Nothing of the user's own desktop is read or written.
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 DBUS_SESSION_BUS_ADDRESS="unix:path=$work/session-bus"
unset AT_SPI_BUS_ADDRESS WAYLAND_DISPLAY

echo "Orca starts"
# In a PID namespace with a /proc of its own, so all the session starts ends with
# it and Orca sees no other Orca of the user. Root needs no user namespace, which
# chroots and many containers refuse; in a chroot, whose / is no mount point,
# only the new /proc is made private.
session=(unshare --pid --fork --kill-child --mount-proc)
[ "$(id -u)" -eq 0 ] || session+=(--map-current-user)
"${session[@]}" true 2>/dev/null || session+=(--propagation unchanged)
if ! "${session[@]}" true 2>"$work/unshare.log"; then
  echo "skip: no PID namespace with a /proc of its own here: $(cat "$work/unshare.log")"
  exit 77
fi
"${session[@]}" "$here/accessibility_session.sh" "$work" "$here/orca" >"$work/session.log" 2>&1 &
session_pid=$!
disown "$session_pid" # ended by SIGKILL at the end, which is no news
wait_for "$work/orca.log" "SPEECH OUTPUT: 'Screen reader on.'" ||
  { cat "$work/session.log" "$work/orca.out" >&2 2>/dev/null || true; fail "Orca did not start"; }
"$probe" focus CuErDaLoKKK >"$work/focus.log" 2>&1 &
focus_pid=$!
wait_for "$work/focus.log" '^listening$' || fail "focus changes cannot be followed: $(cat "$work/focus.log")"

# Until Orca has written nothing for a second, at most 10 s.
settle() {
  local size last=-1 quiet=0
  for _ in $(seq 50); do
    size=$(stat -c %s "$work/orca.log")
    if [ "$size" = "$last" ]; then quiet=$((quiet + 1)); else quiet=0 last=$size; fi
    [ "$quiet" -ge 5 ] && return 0
    sleep 0.2
  done
}

# Keys pressed in a window: each of `said` must be in exactly one thing Orca says
# (Orca may put the role before it, in English: "notification ..."), and
# anything else it says must be one of `allowed` word for word.
#   said=(...) allowed=(...); step NAME WINDOW KEY...
step() {
  local name=$1 window=$2 from spoken text utterance count matched others=()
  shift 2
  from=$(wc -l <"$work/orca.log")
  press "$window" "$@"
  settle
  mapfile -t spoken < <(timeout 30 "$probe" speech "$work/orca.log" "$from")
  echo "$name ($*), Orca said:"
  [ ${#spoken[@]} -eq 0 ] || printf "    '%s'\n" "${spoken[@]}"
  for text in "${said[@]}"; do
    count=0
    for utterance in "${spoken[@]}"; do [[ $utterance == *"$text"* ]] && count=$((count + 1)); done
    check "$((count == 1))" "$name: \"$text\" is said once" "said $count times"
  done
  for utterance in "${spoken[@]}"; do
    matched=0
    for text in "${said[@]}"; do [[ $utterance == *"$text"* ]] && matched=1; done
    for text in "${allowed[@]}"; do [ "$utterance" = "$text" ] && matched=1; done
    [ "$matched" = 1 ] || others+=("\"$utterance\"")
  done
  check "$((${#others[@]} == 0))" "$name: nothing else is said" "also said ${others[*]}"
}

echo "A game on the one word of palabras.txt"
printf 'Feo\r\n' >"$work/game/palabras.txt"
start_game
xdotool windowfocus --sync "$main"
settle
allowed=()
said=('Palabra nueva de 3 letras.'); step "F2, a new word" "$main" F2
said=('Fallo: x. Quedan 8 intentos.'); step "a miss" "$main" x
said=('Acierto: f.'); step "a hit" "$main" f

echo "The accessibility tree"
tree_checks=$(timeout 30 "$probe" tree CuErDaLoKKK --word 'Palabra de 3 letras: F, guion, guion.' \
  --status-bar 7 'Hora [0-9]{2}:[0-9]{2}' 'Fecha [0-9]{2}/[0-9]{2}/[0-9]{4}' --board Tablero --not-named '&L') || true
echo "$tree_checks"
checks=$((checks + $(grep -c '^\(ok\|FAIL\): ' <<<"$tree_checks" || true)))
failures=$((failures + $(grep -c '^FAIL: ' <<<"$tree_checks" || true)))

said=('f ya está probada.'); step "the same letter again" "$main" f
said=('Fallo: z. Quedan 7 intentos.' 'Acierto: e.'); step "a hit 100 ms after a miss" "$main" z e
# The box speaks first; what the key did is said once it is closed.
said=() allowed=('alert ¡¡¡GaNaDoR!!!' 'Has ganado.' 'Aceptar push button.'); step "the winning letter" "$main" o
won=$(window 'GaNaDoR')
said=('Acierto: o. 1000 puntos. Palabra nueva de 3 letras.') allowed=(); step "the box closed, the next word" "$won" Return
gone 'GaNaDoR'

echo "Tab reaches the word"
from=$(wc -l <"$work/focus.log")
reached=0
for _ in 1 2 3 4; do
  press "$main" Tab
  sleep 0.5
  tail -n "+$((from + 1))" "$work/focus.log" | grep -qP "^gained\talive\t.*'Palabra de 3 letras:" && reached=1 && break
done
check "$reached" "a control named \"Palabra de 3 letras: ...\" gets the focus by Tab" \
  "the focus went to: $(tail -n "+$((from + 1))" "$work/focus.log" | grep '^gained' | cut -f3 | paste -sd,)"

# A closed box's button loses the focus after the box is gone; Orca ignores
# losses, so only an object that gains the focus must still be there.
dead_gains=$(grep -P '^gained\tdead\t' "$work/focus.log" | cut -f3 | paste -sd, || true)
check "$([ -z "$dead_gains" ] && echo 1 || echo 0)" \
  "each of the $(grep -c '^gained' "$work/focus.log" || true) objects that got the focus still existed then" \
  "these were gone: $dead_gains"

echo "Ctrl+Q ends the program"
quit_game
[ "$failures" -eq 0 ] || fail "$failures of $checks checks"
echo "PASS: $checks checks"
