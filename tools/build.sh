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

# With ccache installed (optional), compiles are shared between checkouts of
# this repository: paths are made relative to the checkout before hashing.
launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

cmake -S . -B "$root/native" -DCMAKE_BUILD_TYPE=Debug -DCORVELLA_SANITIZE=ON -DCORVELLA_WERROR=ON \
  -DCORVELLA_DIST="$dist" "${launcher[@]}" >/dev/null
cmake --build "$root/native" -j"$jobs" -- --no-print-directory >/dev/null

source tools/windows-target.sh
windows_tree() {  # windows_tree DIR TOOLCHAIN DIST [TARGET...]
  local dir=$1 toolchain=$2 out=$3
  shift 3
  # A tree configured for the other Windows (this checkout moved machines)
  # starts afresh, its Wine prefix with it.
  if [ -f "$dir/CMakeCache.txt" ] && ! grep -q "$toolchain" "$dir/CMakeCache.txt"; then rm -rf "$dir"; fi
  cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release -DCORVELLA_WERROR=ON \
    -DCORVELLA_DIST="$out" "${launcher[@]}" >/dev/null
  cmake --build "$dir" -j"$jobs" ${1:+--target "$@"} -- --no-print-directory >/dev/null
}

if [ "$corvella_windows" = i686 ]; then
  windows_tree "$root/win32" cmake/toolchain-i686-mingw32.cmake "$dist"
else
  # The installable program stays 32-bit; the tests run a 64-bit build of
  # everything, with its own copy of the program folder.
  echo "build: this machine cannot run 32-bit programs; the tests use a 64-bit build (dist/ is still 32-bit)" >&2
  windows_tree "$root/win32-i686" cmake/toolchain-i686-mingw32.cmake "$dist" installable installer portable_zip
  windows_tree "$root/win32" cmake/toolchain-x86_64-mingw32.cmake "$(realpath -m "$root/win32")/dist"
fi
echo "build: $dist holds $(ls "$dist" | wc -l) files"
