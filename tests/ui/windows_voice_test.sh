#!/usr/bin/env bash
# Plays the Windows program under Wine as a blind player would, with real key
# presses. Wine runs no screen reader: a recording stand-in for Windows'
# uiautomationcore.dll, put in this test's own Wine prefix only, says one is
# listening and writes down every UI Automation event and notification
# the program raises (see uia/uia_recorder.cpp). The test
# checks that log: each of the announcer's sayings comes once, as a
# notification from the window in front, with the text of sayings.tsv; the
# boxes open as dialogs under their spoken names; the menu items carry their
# keys; the lists and the word read as on Linux.
#   windows_voice_test.sh PROGRAM RECORDER_DLL ASK_EXE   (CUERDALOKKK_RUNNER runs Windows programs)
set -euo pipefail
[ -n "${CUERDALOKKK_RUNNER:-}" ] || { echo "FAIL: CUERDALOKKK_RUNNER must name the runner of Windows programs" >&2; exit 1; }
program=$(realpath "$1") recorder=$(realpath "$2") ask=$(realpath "$3") here=$(dirname "$(realpath "$0")")
source "$here/x_session.sh"
source "$here/sayings.sh"
log=$work/uia.log
touch "$log"
# Where the program's Qt loads Windows' own from, in this prefix only.
cp "$recorder" "$WINEPREFIX/drive_c/windows/system32/uiautomationcore.dll"
export WINEDLLOVERRIDES="mscoree,mshtml=;uiautomationcore=n" UIA_RECORDER_LOG="Z:$log"

# Each step marks the log's line it starts at; a step's lines run to the next mark.
marks=()
mark() {
  from=$(($(wc -l <"$log") + 1))
  marks+=("$from")
}
# Waits for a line of the log, since the last mark, that fits an awk condition
# on its tab-separated fields, with `want` the text wanted.
logged() { # condition, want
  tail -n +"$from" "$log" | awk -F'\t' -v want="$2" "$1 { found = 1 } END { exit !found }" ||
    { echo "the recorder heard:" && tail -n +"$from" "$log" && false; }
}
wait_for() { wait_until "$1" logged "$2" "$3"; } # what, condition, want
# The step just marked says one saying, as a notification, and nothing else (checked at the end).
checks=()
hears() { # saying, what made it
  checks+=("$((${#marks[@]} - 1)) $1")
  wait_for "notification of the saying $1, \"${saying[$1]}\", after $2" '$1 == "notification" && $4 == want' \
    "${saying[$1]}"
}
# Keys pressed, then one of the announcer's sayings.
says() { # saying, window, key...
  mark
  press "${@:2}"
  hears "$1" "${*:3}"
}
# Keys pressed, then the focus on an element, or on an item of it, as the recorder describes it.
reaches() { # element, window, key...
  mark
  press "${@:2}"
  wait_for "focus on $1 after ${*:3}" '$1 == "event" && $2 == "Focus" && (index($3, want) == 1 || index($4, want) == 1)' "$1"
}
# Keys pressed, then the focus in a box: a window read as a dialog with this name.
opens() { # name, window, key...
  mark
  press "${@:2}"
  wait_for "focus in the dialog \"$1\" after ${*:3}" \
    '$1 == "event" && $2 == "Focus" && index(" < " $4 " < ", " < " want " < ")' "Window '$1' dialog"
}

printf 'Feo\r\n' >"$work/game/palabras.txt"
start_game
timeout 10 xdotool windowactivate --sync "$main"
# A screen reader's first question switches the program's accessibility on, in the window in front: how to start.
mark
$CUERDALOKKK_RUNNER "$ask" 'CuErDaLoKKK V1.0' || fail "no main window to ask"
hears hint "the first question"
says hint "$main" a

# F10 and Alt open the menus; each item carries its key.
reaches "MenuItem 'Introducir palabras nuevas'" "$main" F10
reaches "MenuItem 'Nuevo juego, submenú'" "$main" Down
reaches "MenuItem '1 Jugador' key 'F2'" "$main" Right
reaches "MenuItem '2 jugadores' key 'F3'" "$main" Down
mark
press "$main" Escape Escape Escape
reaches "MenuItem 'Juego'" "$main" Alt_L
# Escape leaves the menu bar and, as any key with no word in play, says how to start.
says hint "$main" Escape

# A game: the word, a miss, a hit; the lists and the word read their letters.
says new_word "$main" F2
says miss "$main" x
says hit "$main" f
reaches "List '${saying[wrong_list]}'" "$main" Tab
reaches "Text '${saying[word]}'" "$main" Tab
reaches "List '${saying[right_list]}'" "$main" shift+Tab shift+Tab
says tried "$main" f
key_delay=50 says together "$main" z e

# A win, said once its box is closed; a second one; a loss with a record.
opens "${saying[winner_box]}" "$main" o
says won "$(window GaNaDoR)" Return
reaches "Text '${saying[blank_word]}'" "$main" Tab Tab
mark
press "$main" f e o
says won_again "$(window GaNaDoR)" Return
opens "${saying[loser_box]}" "$main" a b c d g h i j k
opens "${saying[record_box]}" "$(window PeRdEdOr)" Return
opens "${saying[scores_box]}" "$(window '^Record$')" A n a Return
says erased "$(window '^Puntuaciones$')" Tab Return
opens "${saying[add_words_box]}" "$main" F10 Return
says added "$(window fitxero)" G a t o Return

quit_game
mark

# Each saying once, alone in its step, as a notification from a window: a Qt
# that raised them otherwise fails here.
for check in "${checks[@]}"; do
  read -r step name <<<"$check"
  heard=$(sed -n "${marks[step]},$((marks[step + 1] - 1))p" "$log" | awk -F'\t' '$1 == "notification" { print $4 }')
  [ "$heard" = "${saying[$name]}" ] || fail "the saying $name, \"${saying[$name]}\", was not said once and alone: \"$heard\""
done
! awk -F'\t' '$1 == "notification" && ($2 != "Other" || $3 != "ImportantMostRecent" || $5 !~ /^Window /)' "$log" |
  grep . || fail "notifications not of kind Other, the most recent important, from a window"
for name in "${announced[@]}"; do
  [[ " ${checks[*]} " == *" $name "* ]] || fail "the saying $name of sayings.tsv is never heard here"
done
! grep -E "GaNaDoR|PeRdEdOr" "$log" || fail "a box is named with its drawn title"
echo "PASS"
