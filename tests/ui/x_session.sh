# Sourced by the tests that play the built program on an X server of their own
# with a Spanish keyboard: `work` is a fresh directory, removed at the end with
# every process started here; `start_game` starts PROGRAM in `work`/game, through
# the command in CUERDALOKKK_RUNNER if set (Wine, for the Windows program).
work=$(mktemp -d)
extra_cleanup() { :; }
# shellcheck disable=SC2046
trap 'kill $(jobs -p) 2>/dev/null || true; extra_cleanup; end_wine; wait; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Every wait is for an event, never for a set time: `patience` seconds is how
# long a loaded machine may take, and a passing run never waits it out.
patience=90
# Polls the command until it succeeds; past the deadline, says what it waited
# for and what the command said the last time.
wait_until() { # what, command...
  local deadline=$((SECONDS + patience))
  until "${@:2}" >"$work/last-try" 2>&1; do
    [ "$SECONDS" -lt "$deadline" ] || fail "waited $patience s for $1$(sed 's/^/\n  /' "$work/last-try")"
    sleep 0.1
  done
}
not() { ! "$@"; }
running() { kill -0 "$1" 2>/dev/null; }

# An X server on a display nobody uses; it says which once it is ready.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
read -r -t "$patience" display_number <"$work/display" || fail "waited $patience s for Xvfb to start: $(cat "$work/xvfb.log")"
export DISPLAY=":$display_number" LANG=C.UTF-8 QT_QPA_PLATFORM=xcb
# For a build with the leak checker: what the X11 platform's libraries keep is theirs.
export LSAN_OPTIONS="suppressions=$(dirname "${BASH_SOURCE[0]}")/lsan.supp"
unset QT_SCALE_FACTOR
setxkbmap es
mkdir "$work/game"
# Wine runs in a prefix of its own, with its desktop on this display; its
# windows take keys only from a window manager's focus, and its first window
# waits for the fonts to be read.
end_wine() { :; }
if [ -n "${CUERDALOKKK_RUNNER:-}" ]; then
  openbox >"$work/openbox.log" 2>&1 &
  patience=240
  export WINEPREFIX=$work/prefix
  end_wine() { wineserver -k 2>/dev/null || true; }
  $CUERDALOKKK_RUNNER wineboot --init >"$work/wineboot.log" 2>&1 && wineserver -w
fi

start_game() {
  # shellcheck disable=SC2086
  (cd "$work/game" && exec ${CUERDALOKKK_RUNNER:-} "$program" "$@" >"$work/game.log" 2>&1) &
  game_pid=$!
  main=$(window '^CuErDaLoKKK V1\.0$')
}

# The id of the visible window whose title matches, once it is there.
window() {
  timeout "$patience" xdotool search --sync --onlyvisible --name "$1" | head -n 1 | grep . ||
    fail "waited $patience s for a window named \"$1\""
}

shown() { xdotool search --onlyvisible --name "$1" >/dev/null; }
gone() { wait_until "the window \"$1\" to close" not shown "$1"; }

# Keys pressed in the window, `key_delay` ms apart, once it has the focus;
# without a window manager, focus is given by hand, and only when it moves.
# What the keys do is waited for by the caller: a window, a file, a saying.
key_delay=40
press() {
  [ -n "$1" ] || fail "no window to press keys in"
  if [ -n "${CUERDALOKKK_RUNNER:-}" ]; then
    # through the window manager, as Wine wants
    timeout "$patience" xdotool windowactivate --sync "$1" || fail "waited $patience s for window $1 to be active"
  elif [ "$(xdotool getwindowfocus)" != "$1" ]; then
    timeout "$patience" xdotool windowfocus --sync "$1" || fail "waited $patience s for window $1 to have the focus"
  fi
  xdotool key --delay "$key_delay" "${@:2}"
}

# Ctrl+Q ends the program with status 0.
quit_game() {
  press "$main" ctrl+q
  wait_until "the program to end after Ctrl+Q" not running "$game_pid"
  wait "$game_pid" || { local status=$?; cat "$work/game.log" >&2; fail "Ctrl+Q ended the program with status $status"; }
}
