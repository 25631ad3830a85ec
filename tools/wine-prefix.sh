#!/bin/sh
# wine-prefix.sh DIR [REGFILE...]: makes DIR a ready Wine prefix once,
# for the Wine that wine_use_tree (wine-env.sh) picked: a 32-bit prefix
# that reports Windows 98 for the i686 tree, a 64-bit one otherwise.
# It copies Wine's own bitmap fonts in as "MS Sans Serif" and "Small
# Fonts", so windows look as they do on Windows 98, and turns off window
# management, which makes every hide wait two seconds under Xvfb. Each
# REGFILE is imported with Wine's own regedit when the prefix is new.
# A prefix made for the other Wine is made anew.
set -e
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
: "${WINE:?wine-prefix.sh: pick a build tree first (wine_use_tree in wine-env.sh)}"
dir=$1; shift
export WINEPREFIX="$dir"
ready="$WINEARCH ${TARNOLUX_WINDOWS:-default}"
[ -f "$dir/.tarnolux-ready" ] && [ "$(cat "$dir/.tarnolux-ready")" = "$ready" ] && exit 0
"$here/wineserver.sh" -k 2>/dev/null || true
rm -rf "$dir"
mkdir -p "$dir"
"$WINE" wineboot -i >/dev/null 2>&1
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

; Where Wine looks while it reports Windows 95/98.
[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Fonts]
"MS Sans Serif 8,10,12,14,18,24"="sserife.fon"
"Small Fonts"="smalle.fon"

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"
"Decorated"="Y"
REG
if [ -n "$TARNOLUX_WINDOWS" ]; then
  printf '\n[HKEY_CURRENT_USER\\Software\\Wine]\n"Version"="%s"\n' "$TARNOLUX_WINDOWS" \
    >>"$dir/drive_c/tarnolux-base.reg"
fi
"$WINE" regedit /S 'C:\tarnolux-base.reg' >/dev/null 2>&1
for reg in "$@"; do
  cp "$reg" "$dir/drive_c/seed.reg"
  "$WINE" regedit /S 'C:\seed.reg' >/dev/null 2>&1
  rm -f "$dir/drive_c/seed.reg"
done
"$here/wineserver.sh" -w
echo "$ready" >"$dir/.tarnolux-ready"
