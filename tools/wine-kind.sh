#!/bin/sh
# wine-kind.sh: prints win32 when this machine can start 32-bit Wine, and
# so run the shipped i686 programs, or win64 when only 64-bit Wine starts
# (a kernel without 32-bit support): then the tests fall back to the
# x86_64 build of the same sources.
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
if [ -x "$WINE32" ] && "$WINE32" --version >/dev/null 2>&1; then
  echo win32
else
  echo win64
fi
