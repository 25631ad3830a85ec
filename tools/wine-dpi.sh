#!/bin/sh
# wine-dpi.sh PREFIX DPI: sets the screen's DPI of a ready prefix made by
# wine-prefix.sh (Wine reads it from HKCU\Control Panel\Desktop LogPixels
# when a program starts). 96 is Wine's own default and Windows 98's "Small
# Fonts"; 120 is "Large Fonts". Done once per prefix and DPI.
set -e
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
export WINEPREFIX="$1"
dpi=$2
mark="$WINEPREFIX/.tarnolux-dpi"
if [ -f "$mark" ]; then
  [ "$(cat "$mark")" = "$dpi" ] && exit 0
elif [ "$dpi" = 96 ]; then
  exit 0
fi
"$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
  >/dev/null 2>&1
"$here/wineserver.sh" -w
echo "$dpi" > "$mark"
