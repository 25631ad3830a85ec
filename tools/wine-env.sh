# Sourced by the Wine scripts: one private prefix per use, never ~/.wine.
#
#   . tools/wine-env.sh; wine_use_tree build/win32
#
# picks the Wine for a Windows build tree and exports it as WINE (and
# WINELOADER): for the i686 tree the 32-bit loader in a 32-bit prefix; for
# the x86_64 tree, the fallback where 32-bit programs cannot start, the
# 64-bit loader. Either way Wine tells the programs they run on Windows 98
# (or, with TARNOLUX_AS_WINDOWS=winme, say, on that version instead),
# which changes what the registry does (deleting trees, storing texts).
WINE32=${WINE32:-/usr/lib/wine/wine}
WINE64=${WINE64:-/usr/lib/wine/wine64}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

# The kind of a build tree, as CMake wrote it: win32 or win64.
tree_kind() {
  cat "$1/tarnolux-kind" 2>/dev/null || echo unknown
}

wine_use_tree() {
  case $(tree_kind "$1") in
    win32)
      WINE=$WINE32
      export WINEARCH=win32 TARNOLUX_WINDOWS=${TARNOLUX_AS_WINDOWS:-win98} ;;
    win64)
      WINE=$WINE64
      export WINEARCH=win64 TARNOLUX_WINDOWS=${TARNOLUX_AS_WINDOWS:-win98} ;;
    *)
      echo "wine-env: $1 is not a Windows build tree (no tarnolux-kind file)" >&2
      return 1 ;;
  esac
  export WINE WINELOADER=$WINE
}
