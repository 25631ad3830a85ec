#!/bin/sh
# bench.sh BUILD WINE_TREE [ROUNDS]: `make bench`. Prints, from one run:
#   - start-up under Wine, as a ratio against a bare Win32 program built
#     the same way: Tarnolux.exe to its main window against bench's
#     bare_window.exe (one window, the same two pictures loaded and shown
#     the same way), Uninstall.exe to its message against bare_message.exe;
#     each round starts both, in turns, and the ratio is the median of the
#     rounds' ratios, with rounds added until it is known to +-0.02 (at
#     most ROUNDS, default 151; bench/startup_driver.cpp);
#   - the size of each shipped (stripped i686) program;
#   - the registry calls that one Apply and one preset make.
# Exits non-zero when a budget is missed: a start-up ratio over 1.3, or
# Tarnolux.exe over 96 KiB or Uninstall.exe over 28 KiB.
#
# WINE_TREE is the Windows tree whose programs are started: BUILD/win32,
# the shipped i686 files under 32-bit Wine reporting Windows 98, or, on a
# machine that cannot start 32-bit Wine, BUILD/win64 (it says so). The
# sizes are always the i686 files that ship. The programs run on a fresh
# demo machine (a prefix under WINE_TREE seeded with
# demo/voodoo3-3000.reg and the language English).
set -e
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
build=$(cd "${1:?usage: bench.sh BUILD WINE_TREE [ROUNDS]}" && pwd)
tree=$(cd "${2:?usage: bench.sh BUILD WINE_TREE [ROUNDS]}" && pwd)
rounds=${3:-151}
if [ -z "$TARNOLUX_IN_DISPLAY" ] && [ -z "$DISPLAY" ]; then
  export TARNOLUX_IN_DISPLAY=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" "$tree" "$rounds"
fi

ratio_budget=1.3
tarnolux_budget=$((96 * 1024))
uninstall_budget=$((28 * 1024))
win32=$build/win32 native=$build/native
for f in "$tree/Tarnolux.exe" "$tree/Uninstall.exe" "$tree/bench/startup_driver.exe" \
         "$tree/bench/bare_window.exe" "$tree/bench/bare_message.exe" \
         "$win32/Tarnolux.exe" "$win32/Uninstall.exe" "$native/bench/registry_calls"; do
  [ -f "$f" ] || { echo "bench: $f is missing; build with 'make bench'" >&2; exit 1; }
done
failed=""

# ---- the demo machine ----
. "$here/wine-env.sh"
wine_use_tree "$tree"
export WINEPREFIX="$tree/bench-prefix"
"$here/wineserver.sh" -k 2>/dev/null || true
rm -rf "$WINEPREFIX"
language=$(mktemp)
trap 'rm -f "$language"; "$here/wineserver.sh" -k 2>/dev/null || true' EXIT
printf 'REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Tarno]\r\n"Language"="1"\r\n' >"$language"
"$here/wine-prefix.sh" "$WINEPREFIX" "$root/demo/voodoo3-3000.reg" "$language"
"$here/wineserver.sh" -p
"$WINE" cmd /c exit >/dev/null 2>&1 </dev/null || true
seeded=$("$WINE" reg query 'HKLM\Software\Tarno' /v Language 2>/dev/null | tr -d '\r' |
         sed -n 's/.*REG_SZ *//p')
[ "$seeded" = "1" ] || { echo "bench: seeding the demo machine failed" >&2; exit 1; }

drive=$WINEPREFIX/drive_c
program="$drive/Program Files/Tarnolux"
mkdir -p "$program" "$drive/bench/uninstall" "$drive/bench/refill"
cp "$tree/Tarnolux.exe" "$tree/bench/bare_window.exe" "$root/art/pic1.jpg" \
   "$root/art/pic2.jpg" "$program/"
# The uninstaller deletes the program's files beside it; the driver puts
# them back from refill/ before each of its starts.
cp "$tree/Uninstall.exe" "$tree/bench/bare_message.exe" "$drive/bench/uninstall/"
cp "$tree/Tarnolux.exe" "$root/art/pic1.jpg" "$root/art/pic2.jpg" "$drive/bench/refill/"
if [ -f "$root/doc/readme.txt" ]; then
  cp "$root/doc/readme.txt" "$program/"
  cp "$root/doc/readme.txt" "$drive/bench/refill/"
fi
cp "$tree/bench/startup_driver.exe" "$drive/bench/"

# ---- start-up ----
# startup PROGRAM WAIT BASELINE WAIT [REFILL]
#   -> "program_ms baseline_ms ratio low high rounds"
startup() {
  status=0
  "$WINE" 'C:\bench\startup_driver.exe' "$rounds" "$@" >"$build/bench-run.log" || status=$?
  tr -d '\r' <"$build/bench-run.log" >>"$build/bench-starts.log"
  [ $status -eq 0 ] || { tr -d '\r' <"$build/bench-run.log" >&2; return 1; }
  tr -d '\r' <"$build/bench-run.log" |
    awk '$1 == "median" { printf "%s ", $3 } $1 == "ratio" { printf "%s %s %s %s", $2, $3, $4, $5 }'
}
rm -f "$build/bench-starts.log"
if [ "$(tree_kind "$tree")" = win32 ]; then
  echo "Tarnolux bench: start-up of the shipped i686 programs under 32-bit Wine (Windows 98),"
else
  echo "Tarnolux bench: start-up under 64-bit Wine of the x86_64 build (the shipped i686 programs were NOT run),"
fi
echo "each round starts a program and a bare Win32 program built the same way; the ratio is"
echo "the median of the rounds' ratios, with its 95% interval"
echo
main=$(startup 'C:\Program Files\Tarnolux\Tarnolux.exe' form:frmv3 \
               'C:\Program Files\Tarnolux\bare_window.exe' 'title:Tarnolux bare window') ||
  { echo "bench: timing Tarnolux.exe failed" >&2; exit 1; }
# After Tarnolux: the uninstaller clears the language choice.
uninstall=$(startup 'C:\bench\uninstall\Uninstall.exe' box 'C:\bench\uninstall\bare_message.exe' \
                    box 'C:\bench\refill') ||
  { echo "bench: timing Uninstall.exe failed" >&2; exit 1; }

# row NAME MS BASELINE BASELINE_MS RATIO LOW HIGH ROUNDS
row() {
  verdict=$(awk -v r="$5" -v limit="$ratio_budget" 'BEGIN { print (r <= limit ? "ok" : "OVER") }')
  printf '  %-14s %7s ms   %-16s %7s ms   %5s  %5s-%-5s  %6s  (budget %s) %s\n' \
    "$1" "$2" "$3" "$4" "$5" "$6" "$7" "$8" "$ratio_budget" "$verdict"
  [ "$verdict" = ok ] || failed="$failed $1-start-up"
}
printf '  %-14s %10s   %-16s %10s   %5s  %11s  %6s\n' program median baseline median ratio \
  interval rounds
set -- $main
row Tarnolux.exe "$1" bare_window.exe "$2" "$3" "$4" "$5" "$6"
set -- $uninstall
row Uninstall.exe "$1" bare_message.exe "$2" "$3" "$4" "$5" "$6"
echo "  (every start: $build/bench-starts.log)"

# ---- sizes ----
echo
echo "Size of the shipped programs (i686, stripped):"
size() {
  copy=$(mktemp)
  i686-w64-mingw32-strip -o "$copy" "$2"
  bytes=$(stat -c %s "$copy")
  rm -f "$copy"
  verdict=ok
  [ "$bytes" -le "$3" ] || { verdict=OVER; failed="$failed $1-size"; }
  printf '  %-14s %7d bytes = %5.1f KiB   (budget %d KiB)  %s\n' "$1" "$bytes" \
    "$(awk -v b="$bytes" 'BEGIN { print b / 1024 }')" $(($3 / 1024)) "$verdict"
}
size Tarnolux.exe "$win32/Tarnolux.exe" $tarnolux_budget
size Uninstall.exe "$win32/Uninstall.exe" $uninstall_budget

# ---- registry calls ----
echo
echo "Registry calls of one operation (native, memory store, the demo machine):"
"$native/bench/registry_calls" "$root/demo/voodoo3-3000.reg" | sed 's/^/  /'

echo
if [ -n "$failed" ]; then
  echo "bench: budget missed:$failed"
  exit 1
fi
echo "bench: every budget met"
