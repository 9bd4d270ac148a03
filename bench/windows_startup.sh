#!/usr/bin/env bash
# The Windows game from its zip against a bare Qt window of the same shape built
# with the same Qt, under Wine on one Xvfb display with openbox, started
# alternately: the time to the first paint of the window, the resident memory
# of the process 2 s later, and its context switches over the idle time after.
#   bench/windows_startup.sh [Windows build directory] [starts of each] [idle seconds]
# Needs Wine, Xvfb and openbox; the build directory holds the zip and
# bench/bare_window.exe (./build.sh windows).
set -euo pipefail
here=$(dirname "$(realpath "$0")")
build=$(realpath "${1:-build-windows}")
runs=${2:-5}
idle=${3:-60}
zip=$(find "$build" -maxdepth 1 -name 'cuerdalokkk-*-win64.zip' | head -n 1)
bare=$build/bench/bare_window.exe
[ -f "$zip" ] && [ -f "$bare" ] || { echo "missing the zip or $bare: run ./build.sh windows first" >&2; exit 1; }

work=$(mktemp -d)
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# The bare window beside the game, so both load the same Qt libraries and plugins.
(cd "$work" && cmake -E tar xf "$zip")
cp "$bare" "$work/CuErDaLoKKK/"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
until [ -s "$work/display" ]; do sleep 0.05; done
export DISPLAY=:$(<"$work/display") WINEPREFIX=$work/prefix
openbox >/dev/null 2>&1 &
pids+=($!)
# One Wine server for every start, its services already up, as on a desktop.
"$here/../packaging/windows/wine_run.sh" wineboot --init >/dev/null 2>&1
wineserver -w
wineserver -p
"$here/../packaging/windows/wine_run.sh" wineboot >/dev/null 2>&1
mkdir "$work/game"
cd "$work/game"

# Context switches so far of all the threads of process $1.
switches() {
  cat /proc/"$1"/task/*/status 2>/dev/null | awk '/ctxt_switches/ {n += $2} END {print n}'
}

# One start: prints "milliseconds-to-first-paint rss-KiB context-switches". The
# program writes its first-paint moment into a pipe, so waiting costs no
# processor time; Wine runs the program in the process it was started as.
mkfifo "$work/paint"
exec {paint}<>"$work/paint"
start_once() {
  local started=${EPOCHREALTIME/[.,]/}
  CUERDALOKKK_FIRST_PAINT=$work/paint "$here/../packaging/windows/wine_run.sh" "$1" &
  local pid=$! painted
  read -r -t 60 -u "$paint" painted || { echo "no first paint from $1" >&2; exit 1; }
  painted=${painted%$'\r'} # a Windows program's line end
  sleep 2
  local rss before
  rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
  before=$(switches "$pid")
  [ -n "${warming:-}" ] || sleep "$idle"
  echo "$(((painted - started) / 1000)).$(((painted - started) % 1000 / 100)) $rss $(($(switches "$pid") - before))"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
}

game=$work/CuErDaLoKKK/CuErDaLoKKK.exe
bare=$work/CuErDaLoKKK/bare_window.exe
source "$here/starts.sh"
alternate_starts "$runs" "$game" "$bare"
compared_rows "$work/game.txt" "$work/bare.txt" 1 "hasta la primera pintura (ms)" \
  2 "memoria residente a los 2 s (KiB)" 3 "cambios de contexto en $idle s"
echo "($runs arranques de cada uno bajo Wine, alternados)"
