#!/usr/bin/env bash
# Real failures of the disk: a directory in the file's place, read-only files
# for a user who is not root, and a full file system. Each write must say
# "Error" and leave the old files byte for byte, with no temporary file. A case
# whose world cannot be set up here (no other user, no mount namespace) is
# skipped with the reason, and the test then ends with 77.
set -euo pipefail
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
printf 'Feo\r\nMoTo\r\n' >"$work/words"
printf 'Ana\r\n9000\r\nLuis\r\n4000\r\nEva\r\n2000\r\n' >"$work/scores"
failures=0 skipped=0

# name, dir, action, runner...: the tool's write is refused and changes nothing.
expect_refused() {
  local name=$1 dir=$2 action=$3 before out
  shift 3
  before=$(ls -lA --time-style=+ "$dir")
  out=$("$@" "$tool" "$dir" "$action") || true
  if [ "$out" = "message: Error" ] && [ "$(ls -lA --time-style=+ "$dir")" = "$before" ] &&
    { [ -d "$dir/palabras.txt" ] || cmp -s "$dir/palabras.txt" "$work/words"; } &&
    { [ -d "$dir/puntuaciones.txt" ] || cmp -s "$dir/puntuaciones.txt" "$work/scores"; }; then
    echo "ok   $name $action"
  else
    echo "FAIL $name $action: printed '$out', files $(ls -A "$dir" | tr '\n' ' ')"
    failures=$((failures + 1))
  fi
}
fresh() { mkdir -p "$1" && cp "$work/words" "$1/palabras.txt" && cp "$work/scores" "$1/puntuaciones.txt"; }

fresh "$work/taken"
rm "$work/taken/puntuaciones.txt" && mkdir "$work/taken/puntuaciones.txt"
expect_refused directory-in-place "$work/taken" save env
rm -r "$work/taken" && fresh "$work/taken"
rm "$work/taken/palabras.txt" && mkdir "$work/taken/palabras.txt"
expect_refused directory-in-place "$work/taken" add env

# Mended: read-only files were replaced, as the directory let the rename through.
# Permissions hold only for a user who is not root: root runs these as nobody,
# with a copy of the tool that user can reach (the build may lie in root's home).
as_user=(env)
if [ "$(id -u)" -eq 0 ]; then
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  install -m 755 "$tool" "$work/tool" && tool=$work/tool
fi
fresh "$work/protected"
chmod 444 "$work/protected/"*.txt
[ "$(id -u)" -ne 0 ] || chown -R 65534:65534 "$work/protected"
if ! why=$("${as_user[@]}" test -x "$tool" 2>&1); then
  echo "skip read-only files: no user who is not root can run the tool here (${why:-not executable for uid 65534})"
  skipped=1
else
  for action in save borrar add; do expect_refused read-only-files "$work/protected" "$action" "${as_user[@]}"; done
fi

# A full file system of our own, in a mount namespace: root needs no user
# namespace, which chroots and many containers refuse.
in_namespace=(unshare --mount)
[ "$(id -u)" -eq 0 ] || in_namespace=(unshare --user --map-root-user --mount)
mkdir "$work/full"
export tool work
export -f expect_refused fresh
full=$("${in_namespace[@]}" bash -c '
  mount -t tmpfs -o size=64k tmpfs "$work/full" || exit
  fresh "$work/full"
  dd if=/dev/zero of="$work/full/filler" bs=1k count=100 2>/dev/null || true
  for action in save borrar add; do expect_refused full-disk "$work/full" "$action" env; done' 2>&1) || true
if grep -qE "^(ok|FAIL) +full-disk" <<<"$full"; then
  echo "$full"
  failures=$((failures + $(grep -c '^FAIL' <<<"$full" || true)))
else
  echo "skip full-disk: cannot mount a file system of our own here (${in_namespace[*]}: $(tr '\n' ' ' <<<"$full"))"
  skipped=1
fi

[ "$failures" -eq 0 ] || exit 1
[ "$skipped" -eq 0 ] || exit 77
