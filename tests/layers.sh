#!/usr/bin/env bash
# The layers of the tree: each folder includes only itself and the folders below
# it, the standard library, and what its row names besides; Qt only in ui/ and
# app/, the system's own headers only where the system is met.
# Usage: layers.sh SOURCE_DIR; names every include that breaks a rule.
set -euo pipefail
cd "$1"

# folder: what its files may include. "std": the standard library; "Qt";
# "system": any other header in angle brackets (the system's, a test library's).
declare -A may_include=(
  [text]="std"
  [platform]="std system"
  [words]="std text platform"
  [scores]="std text platform"
  [engine]="std text platform words scores"
  [ui]="std Qt system text platform words scores engine"
  [app]="std Qt text platform words scores engine ui data"
  [tests]="std Qt system text platform words scores engine ui"
  [fuzz]="std text platform words scores engine tests"
  [bench]="std Qt system text platform words scores engine ui tests"
)

status=0
while IFS= read -r file; do
  folder=${file%%/*}
  allowed=" $folder ${may_include[$folder]:-} "
  if [ -z "${may_include[$folder]:-}" ]; then
    echo "$file: the folder $folder has no row in the table of layers"
    status=1
    continue
  fi
  while IFS= read -r line; do
    header=${line#*include}
    header=${header%%//*}
    header=${header//[[:space:]]/}
    case $header in
      \"*.moc\") continue ;; # made by the build beside the file
      \"*/*\") needed=${header#\"} needed=${needed%%/*} ;;
      \"*) needed="a folder" ;;
      \<Q*\>) needed=Qt ;;
      \<*/*\> | \<*.*\>) needed=system ;;
      \<*\>) needed=std ;;
      *) needed="a named header" ;;
    esac
    if [[ $allowed != *" $needed "* ]]; then
      echo "$file: $line ($folder may include${may_include[$folder]/#/ }, and itself)"
      status=1
    fi
  done < <(grep -E '^[[:space:]]*#[[:space:]]*include' "$file" || true)
done < <(find text platform words scores engine ui app tests fuzz bench -name '*.cpp' -o -name '*.h' | sort)
exit "$status"
