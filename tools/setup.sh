#!/bin/sh
# Installs every build and test dependency from Debian's packages.
# Idempotent: returns at once when everything is already there.
#
# Wine: wine32 (the i386 package, after adding the i386 architecture) runs
# the shipped i686 programs; wine64 runs the x86_64 fallback build on a
# machine whose kernel cannot start 32-bit programs.
set -e
need=""
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "ok installed"; }
for p in cmake make g++ libgtest-dev doctest-dev python3 \
         g++-mingw-w64-i686-win32 binutils-mingw-w64-i686 \
         g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64 \
         wine wine64 wine32:i386 fonts-wine xvfb xauth x11-utils xdotool imagemagick x11vnc; do
  have "$p" || need="$need $p"
done
[ -z "$need" ] && exit 0
if [ "$(id -u)" != 0 ]; then
  echo "setup: missing packages:$need (run as root to install them)" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
case " $(dpkg --print-foreign-architectures | tr '\n' ' ') " in
  *" i386 "*) ;;
  *) dpkg --add-architecture i386 ;;
esac
apt-get update -qq
apt-get install -y -qq --no-install-recommends $need
