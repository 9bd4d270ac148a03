# Sourced by the tests that listen to the game: `saying[NAME]` is the text of a
# saying in sayings.tsv (a name it lacks ends a test under `set -u`), and
# `announced` the names of the announcer's sayings, in their order there.
declare -A saying
announced=()
while IFS=$'\t' read -r kind name text; do
  case $kind in
    said) announced+=("$name") ;&
    read) saying[$name]=$text ;;
  esac
done <"$(dirname "${BASH_SOURCE[0]}")/sayings.tsv"
