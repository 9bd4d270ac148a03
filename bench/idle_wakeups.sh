#!/usr/bin/env bash
# How often the game wakes up while idle: its main thread's polls that end by a
# timer running out, counted by strace over a minute of idle under Xvfb,
# first with no game on, then with a word waiting for a key.
#   bench/idle_wakeups.sh [build directory] [seconds]
# Needs Xvfb, xdotool and strace.
set -euo pipefail
build=$(realpath "${1:-build}")
seconds=${2:-60}
game=$build/app/cuerdalokkk
[ -x "$game" ] || { echo "missing $game: build it first" >&2; exit 1; }

work=$(mktemp -d)
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
until [ -s "$work/display" ]; do sleep 0.05; done
mkdir -m 700 "$work/runtime"
export DISPLAY=:$(<"$work/display") QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/runtime
cd "$work"
"$game" &
game_pid=$!
pids+=("$game_pid")
window=
until window=$(xdotool search --sync --onlyvisible --pid "$game_pid" 2>/dev/null | head -n 1) && [ -n "$window" ]; do
  sleep 0.1
done
sleep 2

# The main thread's id is the process id; other threads (the accessibility and
# D-Bus ones) are not the game's timers.
count_wakeups() {
  timeout -s INT "$seconds" strace -q -p "$game_pid" -e trace=poll,ppoll -o "$work/trace" 2>/dev/null || true
  grep -c '= 0 (Timeout)' "$work/trace" || true
}
echo "no game:          $(count_wakeups) wake-ups in $seconds s"
xdotool key --window "$window" F2
sleep 2
echo "word on the board: $(count_wakeups) wake-ups in $seconds s"
