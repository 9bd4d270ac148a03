#!/usr/bin/env bash
# Start-up and memory of the game against a bare Qt window of the same shape,
# on one Xvfb display, started alternately.
#   bench/startup.sh [build directory] [starts of each program]
# Needs Xvfb and valgrind; the build directory holds app/cuerdalokkk and
# bench/bare_window.
set -euo pipefail
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

# The first start of each fills caches the others find full.
start_once "$game" >/dev/null
start_once "$bare" >/dev/null
instructions_once "$game" >/dev/null
instructions_once "$bare" >/dev/null
: >"$work/game.txt"
: >"$work/bare.txt"
for ((i = 0; i < runs; i++)); do
  start_once "$game" >>"$work/game.txt"
  start_once "$bare" >>"$work/bare.txt"
done
for ((i = 0; i < callgrind_runs; i++)); do
  instructions_once "$game" >>"$work/game.ir"
  instructions_once "$bare" >>"$work/bare.ir"
done

# min, median and max of column $2 of file $1
stats() {
  cut -d' ' -f"$2" "$1" | sort -g | awk '{v[NR]=$1} END {print v[1], v[int((NR+1)/2)], v[NR]}'
}
median() { stats "$1" "$2" | cut -d' ' -f2; }

echo "mínimo, mediana y máximo del juego | de la ventana vacía | juego / vacía (medianas)"
row() { # title, game file, bare file, column
  printf '%-30s %s | %s | %.3f\n' "$1" "$(stats "$2" "$4")" "$(stats "$3" "$4")" \
    "$(echo "$(median "$2" "$4") $(median "$3" "$4")" | awk '{print $1 / $2}')"
}
row "hasta la primera pintura (ms)" "$work/game.txt" "$work/bare.txt" 1
row "memoria residente (KiB)" "$work/game.txt" "$work/bare.txt" 2
row "memoria proporcional (KiB)" "$work/game.txt" "$work/bare.txt" 3
row "instrucciones al arrancar" "$work/game.ir" "$work/bare.ir" 1
echo "($runs arranques de cada uno, alternados; $callgrind_runs recuentos de callgrind de cada uno)"
