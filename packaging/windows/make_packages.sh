#!/usr/bin/env bash
# Makes the zip and the installer from an installed game folder.
# Usage: make_packages.sh STAGE ICON VERSION OUTDIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
stage=$(cd "$1" && pwd) icon=$(realpath "$2") version=$3 out=$(cd "$4" && pwd)

rm -rf "$out/zip" && mkdir -p "$out/zip" && cp -r "$stage" "$out/zip/CuErDaLoKKK"
rm -f "$out/cuerdalokkk-$version-win64.zip"
(cd "$out/zip" && cmake -E tar cf "$out/cuerdalokkk-$version-win64.zip" --format=zip CuErDaLoKKK)

# What the uninstaller removes: every installed file, then the folders, deepest first.
list=$out/uninstall-list.nsh
(cd "$stage" && find . -type f | sed 's|^\./||; s|/|\\|g; s|.*|  Delete "$INSTDIR\\&"|' &&
  find . -mindepth 1 -type d | sort -r | sed 's|^\./||; s|/|\\|g; s|.*|  RMDir "$INSTDIR\\&"|') >"$list"
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DICON="$icon" -DOUTFILE="$out/cuerdalokkk-$version-setup.exe" \
  -DUNINSTALL_LIST="$list" "$here/installer.nsi"
