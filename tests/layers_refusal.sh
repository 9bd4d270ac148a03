#!/usr/bin/env bash
# The layers test fails on a file that includes a folder above its own, naming
# the file and the include.
set -euo pipefail
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
mkdir -p "$tree"/{text,platform,words,scores,engine,ui,app,tests,fuzz,bench}
printf '#include <string>\n#include "engine/game.h"\n' >"$tree/words/word_file.h"
printf '#include <QString>\n' >"$tree/engine/letters.h"
if said=$("$(dirname "$0")/layers.sh" "$tree"); then
  echo "passed a tree whose layers are broken"
  exit 1
fi
expected='engine/letters.h: #include <QString> (engine may include std text platform words scores, and itself)
words/word_file.h: #include "engine/game.h" (words may include std text platform, and itself)'
[ "$said" = "$expected" ] || { echo "said: $said"; exit 1; }
