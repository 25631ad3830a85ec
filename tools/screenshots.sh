#!/bin/sh
# screenshots.sh WINDOWS_BUILD OUT [DPI]: renders every window of
# tools/screenshot_windows.cpp, English and Dutch, to PNG files in OUT,
# under Xvfb in a private prefix seeded with the demo machine. DPI (96
# unless given; 120 is Windows 98's "Large Fonts") gets a prefix of its own.
set -e
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
build=$(cd "$1" && pwd)
mkdir -p "$2"
out=$(cd "$2" && pwd)
dpi=${3:-96}
if [ -z "$TARNOLUX_IN_DISPLAY" ] && [ -z "$DISPLAY" ]; then
  export TARNOLUX_IN_DISPLAY=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" "$out" "$dpi"
fi
. "$here/wine-env.sh"
wine_use_tree "$build"
export WINEPREFIX="$build/screenshot-prefix"
[ "$dpi" = 96 ] || WINEPREFIX="$WINEPREFIX-$dpi"
seed=""
[ -f "$root/demo/voodoo3-3000.reg" ] && seed="$root/demo/voodoo3-3000.reg"
"$here/wine-prefix.sh" "$WINEPREFIX" $seed
"$here/wine-dpi.sh" "$WINEPREFIX" "$dpi"
# Wine draws the caption buttons with Marlett; without it they read "0 1 r".
cp -n /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
"$here/wineserver.sh" -p
"$WINE" cmd /c exit >/dev/null 2>&1 </dev/null || true

# The windows find their pictures beside the program.
exe="$build/forms/win32/tests/tarnolux_screenshots.exe"
for picture in pic1.jpg pic2.jpg; do
  [ -f "$root/art/$picture" ] && cp "$root/art/$picture" "$(dirname "$exe")/"
done
rm -f "$out"/*.bmp "$out"/*.png
status=0
"$WINE" "$exe" "Z:$(echo "$out" | tr / '\\')" || status=$?
"$here/wineserver.sh" -k 2>/dev/null || true
for bmp in "$out"/*.bmp; do
  [ -f "$bmp" ] || continue
  convert "$bmp" "${bmp%.bmp}.png"
  rm -f "$bmp"
done
ls "$out"
exit $status
