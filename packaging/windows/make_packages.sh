#!/usr/bin/env bash
# Makes the zip and the installer from an installed game folder.
# Usage: make_packages.sh STAGE ICON VERSION OUTDIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
stage=$(cd "$1" && pwd) icon=$(realpath "$2") version=$3 out=$(cd "$4" && pwd)

# Two builds of one commit make the same bytes: the installer keeps each file's
# time, so every file is given SOURCE_DATE_EPOCH's (build.sh sets it to the
# last commit's); the zip takes that time by itself.
[ -z "${SOURCE_DATE_EPOCH:-}" ] || find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +

rm -rf "$out/zip" && mkdir -p "$out/zip" && cp -r "$stage" "$out/zip/CuErDaLoKKK"
rm -f "$out/cuerdalokkk-$version-win64.zip"
(cd "$out/zip" && cmake -E tar cf "$out/cuerdalokkk-$version-win64.zip" --format=zip CuErDaLoKKK)

# What the uninstaller removes: every installed file, then the folders, deepest first.
list=$out/uninstall-list.nsh
(cd "$stage" && find . -type f | LC_ALL=C sort | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|' &&
  find . -mindepth 1 -type d | LC_ALL=C sort -r | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|') >"$list"
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DICON="$icon" -DOUTFILE="$out/cuerdalokkk-$version-setup.exe" \
  -DUNINSTALL_LIST="$list" "$here/installer.nsi"
