# shellcheck shell=bash
# Sourced by the start-up benchmarks: the game and the bare window started
# alternately, and the game's figures against the bare window's.

# After a first start of each, which fills caches the others find full (with
# `warming` set, as its figures go), `runs` starts of each through start_once,
# a line each into $work/game.txt and $work/bare.txt.
alternate_starts() { # runs, game, bare
  warming=1 start_once "$2" >/dev/null
  warming=1 start_once "$3" >/dev/null
  : >"$work/game.txt"
  : >"$work/bare.txt"
  for ((i = 0; i < $1; i++)); do
    start_once "$2" >>"$work/game.txt"
    start_once "$3" >>"$work/bare.txt"
  done
}

# min, median and max of column $2 of file $1
stats() {
  cut -d' ' -f"$2" "$1" | sort -g | awk '{v[NR]=$1} END {print v[1], v[int((NR+1)/2)], v[NR]}'
}
median() { stats "$1" "$2" | cut -d' ' -f2; }

compared_row() { # title, game file, bare file, column
  printf '%-34s %s | %s | %.3f\n' "$1" "$(stats "$2" "$4")" "$(stats "$3" "$4")" \
    "$(echo "$(median "$2" "$4") $(median "$3" "$4")" | awk '{print $1 / $2}')"
}
# A heading, then a row for each column and title given.
compared_rows() { # game file, bare file, column, title, column, title...
  echo "mínimo, mediana y máximo del juego | de la ventana vacía | juego / vacía (medianas)"
  local game=$1 bare=$2
  shift 2
  for ((; $# > 0; )); do
    compared_row "$2" "$game" "$bare" "$1"
    shift 2
  done
}
