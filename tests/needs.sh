#!/bin/sh
# Runs a test where the programs it drives are installed. Where one is not (a
# packager's build root has only the build's own dependencies), it says which
# and ends with 77, which the test counts as skipped, not failed.
#   needs.sh PROGRAM... -- COMMAND [ARGUMENT...]
while [ "$1" != -- ]; do
  command -v "$1" >/dev/null 2>&1 || { echo "skip: $1 is not installed"; exit 77; }
  shift
done
shift
exec "$@"
