#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine, in the prefix $WINEPREFIX
# (made on first use), finding the MinGW runtime and Qt's libraries.
set -euo pipefail
: "${WINEPREFIX:?WINEPREFIX names the Wine prefix to run in}"
export WINEPREFIX WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
export WINEPATH="${CUERDALOKKK_QT_BIN:+Z:$CUERDALOKKK_QT_BIN;}Z:$runtime;Z:/usr/x86_64-w64-mingw32/lib"
exec wine "$@"
