#!/usr/bin/env bash
# Runs a built tree's tests while every processor is kept busy, as on a loaded
# laptop or CI machine: ctest RUNS times, then the accessibility test A11Y_RUNS
# times. Prints each run's result and time, and how many failed.
#   tests/under_load.sh BUILD_DIR [RUNS [A11Y_RUNS]]     (5 and 20 by default)
# Each run's output is kept in BUILD_DIR/under-load/, with Orca's log of each
# accessibility run.
set -euo pipefail
build=$(realpath "$1") runs=${2:-5} a11y_runs=${3:-20} here=$(dirname "$(realpath "$0")")
logs=$build/under-load
mkdir -p "$logs"

# The load: stress-ng where it is installed, else busy loops, one a processor.
if command -v stress-ng >/dev/null; then
  stress-ng --cpu "$(nproc)" --quiet &
else
  for _ in $(seq "$(nproc)"); do (while :; do :; done) & done
fi
# shellcheck disable=SC2046
trap 'kill $(jobs -p) 2>/dev/null || true; wait' EXIT

failed=0
# Runs the command as run NAME, with its output in the log of that name.
run() { # name, command...
  local start=$SECONDS status=0
  "${@:2}" >"$logs/$1.log" 2>&1 || status=$?
  echo "$1: $([ "$status" -eq 0 ] && echo passed || echo "FAILED (status $status)") in $((SECONDS - start)) s"
  [ "$status" -eq 0 ] || { failed=$((failed + 1)) && grep -E 'FAIL|\((Failed|Timeout)\)' "$logs/$1.log" | head; }
}
for i in $(seq "$runs"); do
  run "ctest-$i" ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
done
for i in $(seq "$a11y_runs"); do
  mkdir -p "$logs/accessibility-$i" # Orca's log and the focus changes
  run "accessibility-$i" "$here/ui/accessibility_test.sh" "$build/app/cuerdalokkk" "$logs/accessibility-$i"
done
echo "$((runs + a11y_runs)) runs under load, $failed failed"
[ "$failed" -eq 0 ]
