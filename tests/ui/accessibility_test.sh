#!/usr/bin/env bash
# Plays the built program as a blind player would: with the Orca screen reader
# on the accessibility buses of a desktop, on an X server of its own with a
# Spanish keyboard, with real key presses. It checks what Orca says after each
# key and what the accessibility tree shows. Orca speaks nothing aloud here:
# what it would say is read from its debug file.
#   accessibility_test.sh PROGRAM [LOG_DIR]
# With LOG_DIR, Orca's debug file and the focus changes are kept there.
set -euo pipefail

# --- What the player must hear and find ---
# palabras.txt holds one word, so every game is on it.
word=Feo
# After each step, each announcement must be in exactly one thing Orca says
# (Orca may put the role before it, in English: "notification ..."); anything
# else Orca says fails the step, unless the step allows it word for word.
# shellcheck disable=SC2034 # read by step through their names
{
  said_new_word=('Palabra nueva de 3 letras.')
  said_miss=('Fallo: x. Quedan 8 intentos.')
  said_hit=('Acierto: f.')
  said_repeat=('f ya está probada.')
  said_fast=('Fallo: z. Quedan 7 intentos.' 'Acierto: e.') # e typed 100 ms after z
  # The box speaks first; what the key did is said once it is closed.
  said_win=()
  said_by_won_box=('alert ¡¡¡GaNaDoR!!!' 'Has ganado.' 'Aceptar push button.')
  said_next_word=('Acierto: o. 1000 puntos. Palabra nueva de 3 letras.')
  nothing=()
}
# The tree once f is found.
word_control='Palabra de 3 letras: F, guion, guion.'
status_panels=7
status_panel_names=('Hora [0-9]{2}:[0-9]{2}' 'Fecha [0-9]{2}/[0-9]{2}/[0-9]{4}')
board=Tablero
never_named=('&L')
# ---

program=$(realpath "$1")
logs=${2:+$(realpath "$2")}
here=$(dirname "$(realpath "$0")")
probe=$here/accessibility_probe.py
app_name=CuErDaLoKKK
source "$here/x_session.sh"
key_delay=100
session_pid= focus_pid=
extra_cleanup() {
  if [ -n "$focus_pid" ]; then kill "$focus_pid" 2>/dev/null || true; fi
  # unshare holds SIGTERM back; its end by SIGKILL ends all in its namespace.
  if [ -n "$session_pid" ]; then kill -KILL "$session_pid" 2>/dev/null || true; fi
  if [ -n "$logs" ]; then cp "$work/orca.log" "$work/focus.log" "$logs/" 2>/dev/null || true; fi
}
checks=0 failures=0
check() { # passed (0 or 1), what, why it failed
  checks=$((checks + 1))
  if [ "$1" = 1 ]; then echo "ok: $2"; else echo "FAIL: $2: $3"; failures=$((failures + 1)); fi
}

# Nothing of the user's own desktop is read or written.
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 DBUS_SESSION_BUS_ADDRESS="unix:path=$work/session-bus"
unset AT_SPI_BUS_ADDRESS WAYLAND_DISPLAY

echo "Orca starts"
# In a PID namespace of its own, with a /proc of its own, so all the session
# starts ends with it and Orca sees no other Orca of the user. Root needs no user
# namespace, which chroots and many containers refuse; in a chroot, whose / is no
# mount point, only the new /proc is made private.
orca_log=$work/orca.log
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
for _ in $(seq 100); do
  grep -qs "SPEECH OUTPUT: 'Screen reader on.'" "$orca_log" && break
  kill -0 "$session_pid" 2>/dev/null || break
  sleep 0.2
done
grep -qs "SPEECH OUTPUT: 'Screen reader on.'" "$orca_log" || {
  cat "$work/session.log" "$work/orca.out" >&2 2>/dev/null || true
  fail "Orca did not start"
}

"$probe" focus "$app_name" >"$work/focus.log" 2>&1 &
focus_pid=$!
for _ in $(seq 50); do
  grep -qs '^listening$' "$work/focus.log" && break
  sleep 0.2
done
grep -qs '^listening$' "$work/focus.log" || fail "focus changes cannot be followed: $(cat "$work/focus.log")"

# Until Orca has written nothing for a second, at most 10 s.
settle() {
  local size last=-1 quiet=0
  for _ in $(seq 50); do
    size=$(stat -c %s "$orca_log")
    if [ "$size" = "$last" ]; then
      quiet=$((quiet + 1))
      [ "$quiet" -ge 5 ] && return 0
    else
      quiet=0
      last=$size
    fi
    sleep 0.2
  done
}

# What Orca says after keys pressed in a window.
#   step NAME ANNOUNCEMENTS ALLOWED WINDOW KEY...
# ANNOUNCEMENTS and ALLOWED name arrays, as at the top.
step() {
  local name=$1 window=$4
  local -n announcements=$2 allowed=$3
  shift 4
  local from spoken text utterance count matched others=()
  from=$(wc -l <"$orca_log")
  press "$window" "$@"
  settle
  mapfile -t spoken < <(timeout 30 "$probe" speech "$orca_log" "$from")
  echo "$name ($*), Orca said:"
  [ ${#spoken[@]} -eq 0 ] || printf "    '%s'\n" "${spoken[@]}"
  for text in "${announcements[@]}"; do
    count=0
    for utterance in "${spoken[@]}"; do
      [[ $utterance == *"$text"* ]] && count=$((count + 1))
    done
    check "$((count == 1))" "$name: \"$text\" is said once" "said $count times"
  done
  for utterance in "${spoken[@]}"; do
    matched=0
    for text in "${announcements[@]}"; do [[ $utterance == *"$text"* ]] && matched=1; done
    for text in "${allowed[@]}"; do [ "$utterance" = "$text" ] && matched=1; done
    [ "$matched" = 1 ] || others+=("\"$utterance\"")
  done
  check "$((${#others[@]} == 0))" "$name: nothing else is said" "also said ${others[*]}"
}

echo "The program starts on a one-word file"
printf '%s\r\n' "$word" >"$work/game/palabras.txt"
start_game
xdotool windowfocus --sync "$main"
settle

echo "A game on \"$word\""
step "F2, a new word" said_new_word nothing "$main" F2
step "a miss" said_miss nothing "$main" x
step "a hit" said_hit nothing "$main" f

echo "The accessibility tree"
tree_checks=$(timeout 30 "$probe" tree "$app_name" --word "$word_control" \
  --status-bar "$status_panels" "${status_panel_names[@]}" --board "$board" \
  --not-named "${never_named[@]}") || true
echo "$tree_checks"
checks=$((checks + $(grep -c '^\(ok\|FAIL\): ' <<<"$tree_checks" || true)))
failures=$((failures + $(grep -c '^FAIL: ' <<<"$tree_checks" || true)))

step "the same letter again" said_repeat nothing "$main" f
step "a hit 100 ms after a miss" said_fast nothing "$main" z e
step "the winning letter" said_win said_by_won_box "$main" o
won=$(window 'GaNaDoR')
step "the box closed, the next word" said_next_word nothing "$won" Return
gone 'GaNaDoR'

echo "Tab reaches the word"
word_prefix="${word_control%%:*}:"
from=$(wc -l <"$work/focus.log")
reached=0
for _ in 1 2 3 4; do
  press "$main" Tab
  sleep 0.5
  tail -n "+$((from + 1))" "$work/focus.log" |
    awk -F '\t' -v name="'$word_prefix" '$1 == "gained" && $2 == "alive" && index($3, name) { found = 1 } END { exit !found }' &&
    reached=1 && break
done
check "$reached" "a control named \"$word_prefix ...\" gets the focus by Tab" \
  "the focus went to: $(tail -n "+$((from + 1))" "$work/focus.log" | grep '^gained' | cut -f3 | paste -sd,)"

echo "Focus changes"
# A closed box's button loses the focus after the box is gone; Orca ignores
# losses, so only an object that gains the focus must still be there.
dead_gains=$(grep -P '^gained\tdead\t' "$work/focus.log" | cut -f3 | paste -sd, || true)
dead_losses=$(grep -P '^lost\tdead\t' "$work/focus.log" | cut -f3 | paste -sd, || true)
check "$([ -z "$dead_gains" ] && echo 1 || echo 0)" \
  "each of the $(grep -c '^gained' "$work/focus.log" || true) objects that got the focus still existed when that change arrived" \
  "these were gone: $dead_gains"
[ -z "$dead_losses" ] || echo "note: gone when they lost the focus: $dead_losses"

echo "Ctrl+Q ends the program"
quit_game

if [ "$failures" -gt 0 ]; then
  echo "FAIL: $failures of $checks checks"
  exit 1
fi
echo "PASS: $checks checks"
