#!/bin/sh
# run-demo.sh BUILD_DIR PREFIX: starts Tarnolux on the demo machine.
#
# The demo machine is a Wine prefix seeded once from demo/voodoo3-3000.reg
# (a Windows 98 system with a Voodoo3 3000). Later runs reuse it, so what
# the program changed stays changed; `make demo-reset` starts over.
# Each run copies the freshly built programs, pictures and readme into
# C:\Program Files\Tarnolux in the prefix and starts Tarnolux.exe from
# there: the shipped i686 build under 32-bit Wine reporting Windows 98, or
# the x86_64 fallback where 32-bit Wine cannot start. With no X display it
# runs on a virtual screen that a VNC viewer can show (127.0.0.1 only),
# and a picture of that screen is written to PREFIX/../demo-screen.png
# each time a window opens or closes (tools/virtual-screen.sh).
set -e
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
if [ $# -ne 2 ]; then
  echo "usage: $0 BUILD_DIR PREFIX   (make run: $0 build/win32 build/demo-prefix)" >&2
  exit 2
fi
build=$1 prefix=$2
machine="$root/demo/voodoo3-3000.reg"

if [ ! -f "$build/Tarnolux.exe" ]; then
  echo "run-demo: Tarnolux.exe is missing: $build/Tarnolux.exe has not been built." >&2
  echo "run-demo: build it with 'make run', which builds first." >&2
  exit 1
fi

if [ -z "$DISPLAY" ]; then
  . "$here/virtual-screen.sh"
  mkdir -p "$(dirname "$prefix")"
  picture=$(cd "$(dirname "$prefix")" && pwd)/demo-screen.png
  trap 'virtual_screen_stop' EXIT
  trap 'exit 130' INT TERM
  virtual_screen_start "$picture"
fi

. "$here/wine-env.sh"
wine_use_tree "$build"
mkdir -p "$(dirname "$prefix")"
prefix=$(cd "$(dirname "$prefix")" && pwd)/$(basename "$prefix")
export WINEPREFIX="$prefix"

if [ ! -f "$prefix/.tarnolux-ready" ]; then
  echo "run-demo: making the demo machine in $prefix (once; 'make demo-reset' starts over)"
  "$here/wine-prefix.sh" "$prefix" "$machine"
  # regedit reports nothing when an import fails; make sure the card is there.
  desc=$("$WINE" reg query 'HKLM\System\CurrentControlSet\Services\Class\Display\0001' \
           /v DriverDesc 2>/dev/null | tr -d '\r' | sed -n 's/.*REG_SZ *//p')
  if [ "$desc" != "3dfx Voodoo3" ]; then
    echo "run-demo: importing $machine into $prefix failed; removing the prefix." >&2
    "$here/wineserver.sh" -k 2>/dev/null || true
    rm -rf "$prefix"
    exit 1
  fi
fi

folder="$prefix/drive_c/Program Files/Tarnolux"
mkdir -p "$folder"
cp "$build/Tarnolux.exe" "$folder/"
if [ -f "$build/Uninstall.exe" ]; then
  cp "$build/Uninstall.exe" "$folder/"
else
  echo "run-demo: note: $build/Uninstall.exe is not built; the folder has no uninstaller." >&2
fi
cp "$root/art/pic1.jpg" "$root/art/pic2.jpg" "$folder/"
[ -f "$root/doc/readme.txt" ] && cp "$root/doc/readme.txt" "$folder/"

echo "run-demo: starting C:\\Program Files\\Tarnolux\\Tarnolux.exe"
cd "$folder"
status=0
"$WINE" 'C:\Program Files\Tarnolux\Tarnolux.exe' || status=$?
"$here/wineserver.sh" -w
exit $status
