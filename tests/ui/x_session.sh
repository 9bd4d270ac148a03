# Sourced by the tests that play the built program on an X server of their own
# with a Spanish keyboard: `work` is a fresh directory, removed at the end with
# every process started here; `start_game` starts PROGRAM in `work`/game, through
# the command in CUERDALOKKK_RUNNER if set (Wine, for the Windows program).
work=$(mktemp -d)
extra_cleanup() { :; }
# shellcheck disable=SC2046
trap 'kill $(jobs -p) 2>/dev/null || true; extra_cleanup; end_wine; wait; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# An X server on a display nobody uses; it says which once it is ready.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
read -r -t 20 display_number <"$work/display" || fail "Xvfb did not start"
export DISPLAY=":$display_number" LANG=C.UTF-8 QT_QPA_PLATFORM=xcb
# For a build with the leak checker: what the X11 platform's libraries keep is theirs.
export LSAN_OPTIONS="suppressions=$(dirname "${BASH_SOURCE[0]}")/lsan.supp"
unset QT_SCALE_FACTOR
setxkbmap es
mkdir "$work/game"
# Wine runs in a prefix of its own, with its desktop on this display; its
# windows take keys only from a window manager's focus, and its first window
# waits for the fonts to be read.
window_seconds=10
end_wine() { :; }
if [ -n "${CUERDALOKKK_RUNNER:-}" ]; then
  openbox >"$work/openbox.log" 2>&1 &
  window_seconds=60
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
window() { timeout "$window_seconds" xdotool search --sync --onlyvisible --name "$1" | head -n 1 || fail "no window \"$1\""; }

gone() { timeout 5 bash -c "while xdotool search --onlyvisible --name '$1' >/dev/null; do sleep 0.1; done" || fail "window \"$1\" still open"; }

# Keys pressed in the window, `key_delay` ms apart, then time for them to reach
# the boxes they may open; without a window manager, focus is given by hand,
# and only when it moves.
key_delay=40
press() {
  if [ -n "${CUERDALOKKK_RUNNER:-}" ]; then
    timeout 10 xdotool windowactivate --sync "$1" # through the window manager, as Wine wants
  else
    [ "$(xdotool getwindowfocus)" = "$1" ] || timeout 10 xdotool windowfocus --sync "$1"
  fi
  xdotool key --delay "$key_delay" "${@:2}" && sleep 0.3
}

# Ctrl+Q ends the program with status 0; one still there after 5 s is ended, with status 143.
quit_game() {
  press "$main" ctrl+q
  { sleep 5 && kill "$game_pid"; } 2>/dev/null &
  wait "$game_pid" || { local status=$?; cat "$work/game.log" >&2; fail "Ctrl+Q ended the program with status $status"; }
}
