#!/usr/bin/env bash
# Start-up and memory of the game against a bare Qt window of the same shape,
# on one Xvfb display, started alternately.
#   bench/startup.sh [build directory] [starts of each program]
# Needs Xvfb and valgrind; the build directory holds app/cuerdalokkk and
# bench/bare_window.
set -euo pipefail
here=$(dirname "$(realpath "$0")")
build=$(realpath "${1:-build}")
runs=${2:-31}
callgrind_runs=3
game=$build/app/cuerdalokkk
bare=$build/bench/bare_window
for program in "$game" "$bare"; do
  [ -x "$program" ] || { echo "missing $program: build it first" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
until [ -s "$work/display" ]; do sleep 0.05; done
mkdir -m 700 "$work/runtime"
export DISPLAY=:$(<"$work/display") QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/runtime
# The game's files already exist, as on every start but the first.
cd "$work"

# One start: prints "milliseconds-to-first-paint rss-KiB pss-KiB". The
# program writes its first-paint moment into a pipe, so waiting for it costs
# no processor time.
mkfifo "$work/paint"
exec {paint}<>"$work/paint"
start_once() {
  local started=${EPOCHREALTIME/[.,]/}
  CUERDALOKKK_FIRST_PAINT=$work/paint "$1" &
  local pid=$! painted
  read -r -t 30 -u "$paint" painted || { echo "no first paint from $1" >&2; exit 1; }
  sleep 1   # idle: the window is shown and nothing more happens
  local memory
  memory=$(awk '/^Rss:/ {r=$2} /^Pss:/ {p=$2} END {print r, p}' "/proc/$pid/smaps_rollup")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$(((painted - started) / 1000)).$(((painted - started) % 1000 / 100)) $memory"
}

# Instructions from process start to the first paint. Only the program's own
# process counts, not a child a library may fork on the way.
instructions_once() {
  CUERDALOKKK_FIRST_PAINT=$work/counted-paint CUERDALOKKK_EXIT_AFTER_FIRST_PAINT=1 \
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$1" 2>&1 |
    awk 'NR == 1 {own = $1} $1 == own && $2 == "Collected" {print $4}'
}

source "$here/starts.sh"
alternate_starts "$runs" "$game" "$bare"
instructions_once "$game" >/dev/null
instructions_once "$bare" >/dev/null
for ((i = 0; i < callgrind_runs; i++)); do
  instructions_once "$game" >>"$work/game.ir"
  instructions_once "$bare" >>"$work/bare.ir"
done

compared_rows "$work/game.txt" "$work/bare.txt" 1 "hasta la primera pintura (ms)" 2 "memoria residente (KiB)" \
  3 "memoria proporcional (KiB)"
compared_row "instrucciones al arrancar" "$work/game.ir" "$work/bare.ir" 1
echo "($runs arranques de cada uno, alternados; $callgrind_runs recuentos de callgrind de cada uno)"
