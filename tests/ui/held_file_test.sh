#!/usr/bin/env bash
# Records saved under Wine while another program holds puntuaciones.txt, as a
# virus scanner does for a moment after a save: held for 0.8 s, without sharing
# deletion or without sharing at all (no reading either), the save only waits;
# held for 10 s, the player sees the error, the file keeps its old bytes and no
# temporary file is left, and Aceptar once the hold is over saves the record.
#   held_file_test.sh PROGRAM HOLD_FILE_EXE    (CUERDALOKKK_RUNNER runs Windows programs)
set -euo pipefail
program=$(realpath "$1") holder=$(realpath "$2")
source "$(dirname "$(realpath "$0")")/x_session.sh"
cd "$work/game"
printf 'Feo\r\n' >palabras.txt
printf 'A\r\n0\r\nB\r\n0\r\nC\r\n0\r\n' >puntuaciones.txt
start_game

# A record of 1000 points: a word won, the next lost and the name typed; the
# window Puntuaciones then waits for Aceptar.
record() { # the name's keys
  press "$main" F2 f e o
  press "$(window 'GaNaDoR')" Return
  press "$main" b c d g h i j k l
  press "$(window '^PeRdEdOr$')" Return
  press "$(window '^Record$')" "$@" Return
  scores=$(window '^Puntuaciones$')
}

# Another program holds puntuaciones.txt from now on.
hold() { # milliseconds [exclusive]
  : >"$work/holder.log"
  $CUERDALOKKK_RUNNER "$holder" puntuaciones.txt "$@" >"$work/holder.log" 2>&1 &
  holder_pid=$!
  wait_until "the holder to hold puntuaciones.txt" grep held "$work/holder.log"
}

saved() { # name
  gone '^Puntuaciones$'
  grep -qx "$1"$'\r' puntuaciones.txt || fail "the record of $1 is not in puntuaciones.txt"
  xdotool search --onlyvisible --name '^Error$' >/dev/null && fail "an error shown for a save that succeeded"
  wait "$holder_pid" || fail "the holder failed"
}

record u n o
hold 800
press "$scores" Return
saved uno

# Shared for nothing: the table, read again before it is saved, waits too.
record d o s
hold 800 exclusive
press "$scores" Return
saved dos

record z o e
hold 10000
old=$(sha256sum puntuaciones.txt)
press "$scores" Return
error=$(window '^Error$')
sha256sum --quiet -c <<<"$old" || fail "puntuaciones.txt changed by a save that failed"
[ "$(ls -A)" = $'palabras.txt\npuntuaciones.txt' ] || fail "files left behind: $(ls -A)"
press "$error" Return
wait "$holder_pid"
press "$scores" Return
saved zoe

quit_game
echo "PASS"
