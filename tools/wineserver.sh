#!/bin/sh
# Runs the 64-bit wineserver directly (the packaged wrapper may pick a
# 32-bit one that this machine cannot start).
for s in /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver; do
  [ -x "$s" ] && exec "$s" "$@"
done
exec wineserver "$@"
