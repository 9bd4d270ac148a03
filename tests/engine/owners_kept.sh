#!/usr/bin/env bash
# A score table shared through a group: a record saved by another user keeps the
# file's group and bits, by root its owner too; a user outside the group still
# saves, and the group the file then has gets only what others had. Needs root
# to make the users and their group: elsewhere it ends with 77, skipped.
set -euo pipefail
tool=$1 work=$(mktemp -d) failures=0 ids=$$
skip() { echo "skip: $*"; exit 77; }
[ "$(id -u)" -eq 0 ] && command -v useradd >/dev/null || skip "making users needs root and useradd"
group=cdlk${ids}g owner=cdlk${ids}a member=cdlk${ids}b stranger=cdlk${ids}c
trap 'for u in $owner $member $stranger; do userdel $u 2>/dev/null; done; groupdel $group 2>/dev/null; rm -rf "$work"' EXIT
groupadd "$group" && useradd -M -U -G "$group" "$owner" && useradd -M -U -G "$group" "$member" &&
  useradd -M -U "$stranger" || skip "the users could not be made here"
# Not set-group-ID, so a new file in it takes its maker's primary group.
chmod 755 "$work" && install -m 755 "$tool" "$work/tool" && mkdir -m 777 "$work/shared"

# saver mode expected: saver is a user name or "root".
expect() {
  local saver=$1 mode=$2 expected=$3 out runner=()
  printf 'Feo\r\n' >"$work/shared/palabras.txt" && printf 'Ana\r\n9000\r\n' >"$work/shared/puntuaciones.txt"
  chown "$owner:$group" "$work/shared/puntuaciones.txt" && chmod "$mode" "$work/shared/puntuaciones.txt"
  [ "$saver" = root ] || runner=(setpriv "--reuid=$saver" "--regid=$saver" --init-groups)
  out=$("${runner[@]}" "$work/tool" "$work/shared" save)
  local got
  got="$(stat -c '%U %G %a' "$work/shared/puntuaciones.txt") $(head -c 3 "$work/shared/puntuaciones.txt")"
  if [ -z "$out" ] && [ "$got" = "$expected Sol" ]; then
    echo "ok   $saver $mode: $got"
  else
    echo "FAIL $saver $mode: printed '$out', got '$got', expected '$expected Sol'"
    failures=$((failures + 1))
  fi
}
expect "$member" 664 "$member $group 664"
expect root 640 "$owner $group 640"
expect "$stranger" 676 "$stranger $stranger 666"
[ "$failures" -eq 0 ]
