#!/usr/bin/env bash
# The menu launcher starts the game in the player's data directory, made for
# the player alone when missing, whatever directory the menu starts it in; and
# never starts it elsewhere when that directory cannot be had.
#   launcher_test.sh LAUNCHER   (a launcher whose game is stand_in_game.sh)
set -euo pipefail
launcher=$(realpath "$1")
work=$(realpath "$(mktemp -d)")
trap 'rm -rf "$work"' EXIT
default=$work/home/.local/share/cuerdalokkk

# XDG_DATA_HOME ("-": none) | what is there before | where the game starts ("": nowhere) | its mode
for row in "-||$default|700" "||$default|700" "data||$default|700" "$work/my data||$work/my data/cuerdalokkk|700" \
  "$work/data|dir|$work/data/cuerdalokkk|755" "$work/data|file||"; do
  IFS='|' read -r data_home before expected mode <<<"$row"
  rm -rf "$work/home" "$work/data" "$work/my data" "$work/report"
  mkdir -p "$work/home" "$work/menu" "$work/data"
  [ "$before" != dir ] || mkdir -m 755 "$work/data/cuerdalokkk"
  [ "$before" != file ] || touch "$work/data/cuerdalokkk"
  environment=(HOME="$work/home" STAND_IN_REPORT="$work/report")
  [ "$data_home" = - ] || environment+=(XDG_DATA_HOME="$data_home")
  status=0
  (cd "$work/menu" && env -u XDG_DATA_HOME "${environment[@]}" "$launcher") 2>/dev/null || status=$?
  started=$(cat "$work/report" 2>/dev/null || true)
  if [ -z "$expected" ]; then
    [ "$status" -ne 0 ] && [ -z "$started" ] || { echo "FAIL: $row: status $status, started in '$started'"; exit 1; }
  elif [ "$status" -ne 0 ] || [ "$started" != "$expected" ] || [ "$(stat -c %a "$expected")" != "$mode" ]; then
    echo "FAIL: $row: status $status, started in '$started', mode $(stat -c %a "$expected" 2>&1)"
    exit 1
  fi
done
echo "PASS"
