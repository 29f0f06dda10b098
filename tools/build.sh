#!/usr/bin/env bash
# Configures and builds both trees: build/native (the portable core and its
# tests, with AddressSanitizer and UBSan) and build/win32 (everything, for
# 32-bit Windows, into dist/).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
# CORVELLA_BUILD_ROOT puts both trees (and, when set, the output folder)
# elsewhere, so that several builds of one checkout do not meet.
root=${CORVELLA_BUILD_ROOT:-build}
dist=$PWD/dist
[ "$root" = build ] || dist=$(realpath -m "$root")/dist

cmake -S . -B "$root/native" -DCMAKE_BUILD_TYPE=Debug -DCORVELLA_SANITIZE=ON -DCORVELLA_WERROR=ON \
  -DCORVELLA_DIST="$dist" >/dev/null
cmake --build "$root/native" -j"$jobs" -- --no-print-directory >/dev/null

source tools/windows-target.sh
toolchain=cmake/toolchain-$corvella_windows-mingw32.cmake
# A tree configured for the other Windows (this checkout moved machines)
# starts afresh, its Wine prefix with it.
if [ -f "$root/win32/CMakeCache.txt" ] && ! grep -q "$toolchain" "$root/win32/CMakeCache.txt"; then
  rm -rf "$root/win32"
fi
[ "$corvella_windows" = i686 ] ||
  echo "build: this machine cannot run 32-bit programs; the Windows tree is built for 64-bit Windows to test it" >&2
cmake -S . -B "$root/win32" -DCMAKE_TOOLCHAIN_FILE=$toolchain \
  -DCMAKE_BUILD_TYPE=Release -DCORVELLA_WERROR=ON -DCORVELLA_DIST="$dist" >/dev/null
cmake --build "$root/win32" -j"$jobs" -- --no-print-directory >/dev/null
echo "build: $dist holds $(ls "$dist" | wc -l) files"
