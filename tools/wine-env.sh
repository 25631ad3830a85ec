# Sourced by the Wine scripts: one private prefix per use, never ~/.wine.
# WINE64 is the 64-bit loader; see tools/setup.sh for why not the 32-bit one.
WINE64=${WINE64:-/usr/lib/wine/wine64}
export WINELOADER="$WINE64"
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
