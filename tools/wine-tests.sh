#!/bin/sh
# wine-tests.sh BUILD_DIR [ctest args]: runs the tests of a Windows build
# tree (win32: the shipped i686 programs under 32-bit Wine reporting
# Windows 98; win64: the x86_64 fallback under 64-bit Wine) on an X display
# (Xvfb when there is none), in the tree's private prefix, with one warm
# wineserver for the whole run.
set -e
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd); shift
if [ -z "$TARNOLUX_IN_DISPLAY" ] && [ -z "$DISPLAY" ]; then
  export TARNOLUX_IN_DISPLAY=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" "$@"
fi
. "$here/wine-env.sh"
wine_use_tree "$build"
export TARNOLUX_WINEPREFIX="$build/prefix"
export WINEPREFIX="$TARNOLUX_WINEPREFIX"
"$here/wine-prefix.sh" "$WINEPREFIX"
"$here/wineserver.sh" -p
# Start Wine's background services now, with their output going nowhere:
# started by the first test program they would inherit CTest's pipes and
# keep it waiting until the time-out after the tests have passed.
"$WINE" cmd /c exit >/dev/null 2>&1 </dev/null || true
status=0
(cd "$build" && ctest --output-on-failure "$@") || status=$?
"$here/wineserver.sh" -k 2>/dev/null || true
exit $status
