#!/usr/bin/env bash
# The menu launcher starts the game in the player's data directory, made for
# the player alone when missing, whatever directory the menu starts it in; and
# never starts it elsewhere when that directory cannot be had.
#   launcher_test.sh LAUNCHER   (a launcher whose game is stand_in_game.sh)
set -euo pipefail
launcher=$(realpath "$1")
work=$(realpath "$(mktemp -d)")
trap 'rm -rf "$work"' EXIT
home=$work/home
default=$home/.local/share/cuerdalokkk

fail() { echo "FAIL: $*" >&2; exit 1; }

# name | XDG_DATA_HOME ("unset": none) | directory there before | where the game starts ("": nowhere) | its mode
cases=(
  "unset|unset||$default|700"
  "empty|||$default|700"
  "relative, so not to be used|data||$default|700"
  "absolute, with a space|$work/my data||$work/my data/cuerdalokkk|700"
  "directory already there, kept as it is|$work/data|$work/data/cuerdalokkk|$work/data/cuerdalokkk|755"
  "a file where the directory goes|$work/data|file|||"
)

for row in "${cases[@]}"; do
  IFS='|' read -r name data_home before expected mode <<<"$row"
  rm -rf "$home" "$work/data" "$work/my data" "$work/report"
  mkdir -p "$home" "$work/menu"
  case $before in
    file) mkdir -p "$work/data" && touch "$work/data/cuerdalokkk" ;;
    ?*) mkdir -p -m 755 "$before" ;;
  esac
  environment=(HOME="$home" STAND_IN_REPORT="$work/report")
  [ "$data_home" = unset ] || environment+=(XDG_DATA_HOME="$data_home")

  status=0
  (cd "$work/menu" && env -u XDG_DATA_HOME "${environment[@]}" "$launcher") 2>/dev/null || status=$?
  if [ -z "$expected" ]; then
    [ "$status" -ne 0 ] || fail "$name: the launcher said it succeeded"
    [ ! -e "$work/report" ] || fail "$name: the game started in $(cat "$work/report")"
    continue
  fi
  [ "$status" -eq 0 ] || fail "$name: the launcher failed ($status)"
  [ "$(cat "$work/report")" = "$expected" ] || fail "$name: the game started in $(cat "$work/report"), not $expected"
  [ "$(stat -c %a "$expected")" = "$mode" ] || fail "$name: $expected has mode $(stat -c %a "$expected"), not $mode"
done
echo "PASS"
