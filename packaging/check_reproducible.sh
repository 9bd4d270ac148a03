#!/usr/bin/env bash
# Builds the packages of one commit twice, from two clones in folders of
# different names at least a minute apart, and checks that both builds give
# the same bytes; where they do not, it says which files inside differ.
#   packaging/check_reproducible.sh [COMMIT [deb|windows]...]
# COMMIT is HEAD by default (what is not committed is not built); `deb`, the
# default, compares the Debian package, `windows` the Windows zip and installer.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$top" rev-parse "${1:-HEAD}")
kinds=("${@:2}")
[ ${#kinds[@]} -gt 0 ] || kinds=(deb)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
first=$work/first/cuerdalokkk second=$work/second/cuerdalokkk-again

build() { # folder
  git clone --quiet --no-hardlinks "$top" "$1"
  git -C "$1" checkout --quiet --detach "$commit"
  local kind
  for kind in "${kinds[@]}"; do
    [ "$kind" = deb ] && kind=package
    (cd "$1" && ./build.sh "$kind" >>"$1.log" 2>&1) || { tail -n 30 "$1.log"; exit 1; }
  done
}

unpack() { # archive, folder
  mkdir -p "$2"
  case $1 in
    *.deb) dpkg-deb -R "$1" "$2" ;;
    *.zip) (cd "$2" && cmake -E tar xf "$1") ;;
    *) cp "$1" "$2/" ;;
  esac
}

started=$SECONDS
build "$first"
sleep $((started + 60 > SECONDS ? started + 60 - SECONDS : 0))
build "$second"

status=0
for one in "$first"/build/*.deb "$first"/build-windows/*.zip "$first"/build-windows/*.exe; do
  [ -f "$one" ] || continue
  two=$second/${one#"$first/"}
  if cmp "$one" "$two"; then
    echo "same: ${one##*/}, sha256 $(sha256sum <"$one" | cut -d' ' -f1)"
  else
    unpack "$one" "$work/unpacked/one" && unpack "$two" "$work/unpacked/two"
    diff -rq "$work/unpacked/one" "$work/unpacked/two" || true
    rm -rf "$work/unpacked"
    status=1
  fi
done
exit "$status"
