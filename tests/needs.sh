#!/bin/sh
# Runs a test where what it needs is installed: programs by name, other files
# (a font, a helper outside the PATH) by path. Where one is missing (a
# packager's build root has only the build's own dependencies), it says which
# and ends with 77, which the test counts as skipped, not failed.
#   needs.sh NEEDED... -- COMMAND [ARGUMENT...]
while [ "$1" != -- ]; do
  case $1 in
    */*) [ -e "$1" ] ;;
    *) command -v "$1" >/dev/null 2>&1 ;;
  esac || { echo "skip: $1 is not installed"; exit 77; }
  shift
done
shift
exec "$@"
