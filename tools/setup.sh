#!/bin/sh
# Installs every build and test dependency from Debian's packages.
# Idempotent: returns at once when everything is already there.
#
# Wine: the 64-bit loader (wine64) runs the x86_64 test builds. The 32-bit
# loader needs a kernel that runs i386 ELF programs, which not every
# machine here has, so it is not required.
set -e
need=""
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "ok installed"; }
for p in cmake make g++ libgtest-dev doctest-dev python3 \
         g++-mingw-w64-i686-win32 binutils-mingw-w64-i686 \
         g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64 \
         wine wine64 fonts-wine xvfb xauth x11-utils xdotool imagemagick; do
  have "$p" || need="$need $p"
done
[ -z "$need" ] && exit 0
if [ "$(id -u)" != 0 ]; then
  echo "setup: missing packages:$need (run as root to install them)" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends $need
