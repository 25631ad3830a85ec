#!/bin/sh
# run-at-dpi.sh DPI EXE: runs a Windows test program under Wine at another
# DPI, in a prefix of its own beside the test prefix (made once, like it,
# by tools/wine-prefix.sh), with a wineserver of its own for this run.
set -e
here=$(cd "$(dirname "$0")" && pwd)
tools=$(cd "$here/../../tools" && pwd)
dpi=$1; shift
. "$tools/wine-env.sh"
export WINEPREFIX="${TARNOLUX_WINEPREFIX:?set by make test}-${dpi}dpi"
export TARNOLUX_DPI="$dpi"
"$tools/wine-prefix.sh" "$WINEPREFIX"
"$tools/wine-dpi.sh" "$WINEPREFIX" "$dpi"
# As in wine-tests.sh: Wine's background services start now, with their
# output going nowhere, or they would hold CTest's pipes open.
"$tools/wineserver.sh" -p >/dev/null 2>&1 </dev/null
"$WINE" cmd /c exit >/dev/null 2>&1 </dev/null || true
status=0
"$WINE" "$@" || status=$?
"$tools/wineserver.sh" -k 2>/dev/null || true
exit $status
