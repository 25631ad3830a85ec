#!/bin/sh
# wine-prefix.sh DIR [REGFILE...]: makes DIR a ready Wine prefix once.
# It copies Wine's own bitmap fonts in as "MS Sans Serif" and "Small
# Fonts", so windows look as they do on Windows 98, and turns off window
# management, which makes every hide wait two seconds under Xvfb. Each
# REGFILE is imported with Wine's own regedit when the prefix is new.
set -e
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
dir=$1; shift
export WINEPREFIX="$dir"
[ -f "$dir/.tarnolux-ready" ] && exit 0
rm -rf "$dir"
mkdir -p "$dir"
"$WINE64" wineboot -i >/dev/null 2>&1
fonts="$dir/drive_c/windows/Fonts"
mkdir -p "$fonts"
cp /usr/share/wine/fonts/sserife.fon /usr/share/wine/fonts/smalle.fon "$fonts/"
# Marlett draws the caption buttons; without it they read "0 1 r".
cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
cat > "$dir/drive_c/tarnolux-base.reg" <<'REG'
REGEDIT4

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\Fonts]
"MS Sans Serif 8,10,12,14,18,24"="sserife.fon"
"Small Fonts"="smalle.fon"

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
"Decorated"="Y"
REG
"$WINE64" regedit /S 'C:\tarnolux-base.reg' >/dev/null 2>&1 || "$WINE64" regedit "$dir/tarnolux-base.reg"
for reg in "$@"; do
  cp "$reg" "$dir/drive_c/seed.reg"
  "$WINE64" regedit /S 'C:\seed.reg' >/dev/null 2>&1
  rm -f "$dir/drive_c/seed.reg"
done
"$here/wineserver.sh" -w
touch "$dir/.tarnolux-ready"
