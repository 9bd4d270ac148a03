#!/usr/bin/env bash
# Real failures of the disk: a directory in the file's place, read-only files
# for a user who is not root, and a full file system. Each write must say
# "Error" and leave the old files byte for byte, with no temporary file. Where
# no file system of our own can be mounted the test ends with 77, skipped.
set -euo pipefail
tool=$1 work=$(mktemp -d) failures=0 skipped=0
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"

snapshot() { ls -lA --time-style=+ "$1" && { cat "$1"/*.txt 2>/dev/null || true; } | od -c; }
# dir action runner...: the tool's write is refused and changes nothing.
expect_refused() {
  local dir=$1 action=$2 before out
  shift 2
  before=$(snapshot "$dir")
  out=$("$@" "$tool" "$dir" "$action") || true
  if [ "$out" = "message: Error" ] && [ "$(snapshot "$dir")" = "$before" ]; then
    echo "ok   $dir $action"
  else
    echo "FAIL $dir $action: printed '$out', files $(ls -A "$dir" | tr '\n' ' ')"
    failures=$((failures + 1))
  fi
}
fresh() { mkdir -p "$1" && printf 'Feo\r\nMoTo\r\n' >"$1/palabras.txt" && printf 'Ana\r\n9000\r\n' >"$1/puntuaciones.txt"; }

fresh "$work/scores-taken" && rm "$work/scores-taken/puntuaciones.txt" && mkdir "$work/scores-taken/puntuaciones.txt"
expect_refused "$work/scores-taken" save env

# Mended: read-only files were replaced, as the directory let the rename through.
# They hold only for a user who is not root: root runs the tool as nobody, from a
# copy that user can reach (the build may lie in root's home).
install -m 755 "$tool" "$work/tool" && tool=$work/tool
fresh "$work/protected" && chmod 444 "$work/protected/"*.txt
if [ "$(id -u)" -eq 0 ]; then
  chown -R 65534:65534 "$work/protected"
  for action in save borrar add; do expect_refused "$work/protected" "$action" setpriv --reuid=65534 --regid=65534 --clear-groups; done
else
  for action in save borrar add; do expect_refused "$work/protected" "$action" env; done
fi

# A full file system of our own, in a mount namespace: root needs no user
# namespace, which chroots and many containers refuse.
in_namespace=(unshare --mount)
[ "$(id -u)" -eq 0 ] || in_namespace=(unshare --user --map-root-user --mount)
mkdir "$work/full"
export tool work
export -f expect_refused fresh snapshot
full=$("${in_namespace[@]}" bash -c '
  mount -t tmpfs -o size=64k tmpfs "$work/full" || exit
  fresh "$work/full" && { dd if=/dev/zero of="$work/full/filler" bs=1k count=100 2>/dev/null || true; }
  for action in save borrar add; do expect_refused "$work/full" "$action" env; done' 2>&1) || true
echo "$full"
grep -qE "^(ok|FAIL) " <<<"$full" || skipped=1
failures=$((failures + $(grep -c '^FAIL' <<<"$full" || true)))
[ "$failures" -eq 0 ] || exit 1
[ "$skipped" -eq 0 ] || { echo "skip: no file system of our own can be mounted here"; exit 77; }
