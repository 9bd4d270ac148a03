#!/usr/bin/env bash
# Real failures of the disk: a directory in the file's place, a read-only
# directory for a user who is not root, and a full file system. Each write must
# say "Error" and leave the old files byte for byte, with no temporary file.
set -euo pipefail
tool=$1
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
chmod 755 "$work"
printf 'Feo\r\nMoTo\r\n' >"$work/words"
printf 'Ana\r\n9000\r\nLuis\r\n4000\r\nEva\r\n2000\r\n' >"$work/scores"
failures=0

expect_refused() { # name, dir, action, [runner...]
  local name=$1 dir=$2 action=$3; shift 3
  local before out
  before=$(ls -A "$dir")
  out=$("$@" "$tool" "$dir" "$action")
  if [ "$out" != "message: Error" ]; then
    echo "FAIL $name $action: printed '$out'"; failures=$((failures + 1)); return
  fi
  if [ "$(ls -A "$dir")" != "$before" ]; then
    echo "FAIL $name $action: files left: $(ls -A "$dir")"; failures=$((failures + 1)); return
  fi
  for pair in "palabras.txt words" "puntuaciones.txt scores"; do
    set -- $pair
    if [ ! -d "$dir/$1" ] && ! cmp -s "$dir/$1" "$work/$2"; then
      echo "FAIL $name $action: $1 changed"; failures=$((failures + 1)); return
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

# A read-only directory, for a user the permissions hold for.
fresh "$work/readonly"
chmod 555 "$work/readonly"
as_user=(env)
[ "$(id -u)" -eq 0 ] && as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
for action in save borrar add; do
  expect_refused read-only "$work/readonly" "$action" "${as_user[@]}"
done
mkdir -p "$work/readonly-empty"; chmod 555 "$work/readonly-empty"
out=$("${as_user[@]}" "$tool" "$work/readonly-empty" first-run)
[ "$out" = "message: Error" ] && [ -z "$(ls -A "$work/readonly-empty")" ] \
  && echo "ok   read-only first-run" || { echo "FAIL read-only first-run: '$out'"; failures=$((failures + 1)); }

# A full file system of our own, in a mount namespace.
export tool work
full=$(unshare --user --map-root-user --mount bash -c '
  set -e
  mnt=$(mktemp -d)
  mount -t tmpfs -o size=64k tmpfs "$mnt"
  cp "$work/words" "$mnt/palabras.txt"; cp "$work/scores" "$mnt/puntuaciones.txt"
  dd if=/dev/zero of="$mnt/filler" bs=1k count=100 2>/dev/null || true
  for action in save borrar add; do
    before=$(ls -A "$mnt")
    out=$("$tool" "$mnt" "$action")
    if [ "$out" = "message: Error" ] && [ "$(ls -A "$mnt")" = "$before" ] \
       && cmp -s "$mnt/palabras.txt" "$work/words" && cmp -s "$mnt/puntuaciones.txt" "$work/scores"; then
      echo "ok   full-disk $action"
    else
      echo "FAIL full-disk $action: printed \"$out\", files $(ls -A "$mnt" | tr "\n" " ")"
    fi
  done
  umount "$mnt"')
echo "$full"
failures=$((failures + $(grep -c '^FAIL' <<<"$full" || true)))
[ "$(grep -c '^ok' <<<"$full")" -eq 3 ] || failures=$((failures + 1))

echo "$failures failed"
[ "$failures" -eq 0 ]
