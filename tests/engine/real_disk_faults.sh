#!/usr/bin/env bash
# Real failures of the disk: a directory in the file's place, a read-only
# directory and read-only files for a user who is not root, and a full file
# system. Each write must say "Error" and leave the old files byte for byte, with
# no temporary file. A case whose world cannot be set up here (no other user, no
# mount namespace) is skipped with the reason, and the test then ends with 77.
set -euo pipefail
tool=$1
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"
printf 'Feo\r\nMoTo\r\n' >"$work/words"
printf 'Ana\r\n9000\r\nLuis\r\n4000\r\nEva\r\n2000\r\n' >"$work/scores"
failures=0 skipped=0

fail() { echo "FAIL $*"; failures=$((failures + 1)); }
skip() { echo "skip $*"; skipped=$((skipped + 1)); }

expect_refused() { # name, dir, action, [runner...]
  local name=$1 dir=$2 action=$3; shift 3
  local before out
  before=$(ls -lA --time-style=+ "$dir")
  out=$("$@" "$tool" "$dir" "$action")
  if [ "$out" != "message: Error" ]; then
    fail "$name $action: printed '$out'"; return
  fi
  if [ "$(ls -lA --time-style=+ "$dir")" != "$before" ]; then
    fail "$name $action: files left or changed: $(ls -A "$dir" | tr '\n' ' ')"; return
  fi
  for pair in "palabras.txt words" "puntuaciones.txt scores"; do
    set -- $pair
    if [ ! -d "$dir/$1" ] && ! cmp -s "$dir/$1" "$work/$2"; then
      fail "$name $action: $1 changed"; return
    fi
  done
  echo "ok   $name $action"
}

fresh() { # dir
  mkdir -p "$1"
  cp "$work/words" "$1/palabras.txt"
  cp "$work/scores" "$1/puntuaciones.txt"
}

# A directory in the file's place.
fresh "$work/taken"
rm "$work/taken/puntuaciones.txt"; mkdir "$work/taken/puntuaciones.txt"
expect_refused directory-in-place "$work/taken" save env
expect_refused directory-in-place "$work/taken" borrar env
rm -r "$work/taken/puntuaciones.txt"; cp "$work/scores" "$work/taken/puntuaciones.txt"
rm "$work/taken/palabras.txt"; mkdir "$work/taken/palabras.txt"
expect_refused directory-in-place "$work/taken" add env

# Permissions hold only for a user who is not root: root runs these as nobody.
as_user=(env) user_files=(true)
if [ "$(id -u)" -eq 0 ]; then
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  user_files=(chown -R 65534:65534)
  # A copy that user can reach: the build may lie under root's own home.
  install -m 755 "$tool" "$work/tool"
  tool=$work/tool
fi
if ! why=$("${as_user[@]}" test -x "$tool" 2>&1); then
  skip "read-only: no user who is not root can run the tool here (${why:-not executable for uid 65534})"
else
  # A read-only directory.
  fresh "$work/readonly"
  chmod 555 "$work/readonly"
  for action in save borrar add; do
    expect_refused read-only-directory "$work/readonly" "$action" "${as_user[@]}"
  done
  mkdir -p "$work/readonly-empty"; chmod 555 "$work/readonly-empty"
  out=$("${as_user[@]}" "$tool" "$work/readonly-empty" first-run)
  [ "$out" = "message: Error" ] && [ -z "$(ls -A "$work/readonly-empty")" ] \
    && echo "ok   read-only-directory first-run" || fail "read-only-directory first-run: '$out'"

  # Read-only files of the user's own, in a directory the user may write.
  # Mended: they were replaced, as the directory let the rename through.
  fresh "$work/protected"
  chmod 444 "$work/protected/palabras.txt" "$work/protected/puntuaciones.txt"
  "${user_files[@]}" "$work/protected"
  for action in save borrar add; do
    expect_refused read-only-files "$work/protected" "$action" "${as_user[@]}"
  done
fi

# A full file system of our own, in a mount namespace: root needs no user
# namespace, which chroots and many containers refuse.
in_namespace=(unshare --mount)
[ "$(id -u)" -eq 0 ] || in_namespace=(unshare --user --map-root-user --mount)
mkdir "$work/full"
export tool work
full=$("${in_namespace[@]}" bash -c '
  mnt=$work/full
  mount -t tmpfs -o size=64k tmpfs "$mnt" || exit
  echo mounted
  cp "$work/words" "$mnt/palabras.txt"; cp "$work/scores" "$mnt/puntuaciones.txt"
  dd if=/dev/zero of="$mnt/filler" bs=1k count=100 2>/dev/null
  for action in save borrar add; do
    before=$(ls -A "$mnt")
    out=$("$tool" "$mnt" "$action") || true
    if [ "$out" = "message: Error" ] && [ "$(ls -A "$mnt")" = "$before" ] \
       && cmp -s "$mnt/palabras.txt" "$work/words" && cmp -s "$mnt/puntuaciones.txt" "$work/scores"; then
      echo "ok   full-disk $action"
    else
      echo "FAIL full-disk $action: printed \"$out\", files $(ls -A "$mnt" | tr "\n" " ")"
    fi
  done
  umount "$mnt"' 2>&1) || true
if ! grep -q '^mounted$' <<<"$full"; then
  skip "full-disk: cannot mount a file system of our own here (${in_namespace[*]}: $(tr '\n' ' ' <<<"$full"))"
else
  grep -v '^mounted$' <<<"$full"
  failures=$((failures + $(grep -c '^FAIL' <<<"$full" || true)))
  [ "$(grep -c '^ok' <<<"$full")" -eq 3 ] || fail "full-disk: $(grep -vc '^mounted$' <<<"$full") of 3 cases ran"
fi

echo "$failures failed, $skipped skipped"
[ "$failures" -eq 0 ] || exit 1
[ "$skipped" -eq 0 ] || exit 77
