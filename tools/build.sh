#!/usr/bin/env bash
# Configures and builds both trees: build/native (the portable core and its
# tests, with AddressSanitizer and UBSan) and build/win32 (everything, for
# 32-bit Windows, into dist/).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug -DCORVELLA_SANITIZE=ON -DCORVELLA_WERROR=ON >/dev/null
cmake --build build/native -j"$jobs" -- --no-print-directory >/dev/null

cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-mingw32.cmake \
  -DCMAKE_BUILD_TYPE=Release -DCORVELLA_WERROR=ON >/dev/null
cmake --build build/win32 -j"$jobs" -- --no-print-directory >/dev/null
echo "build: dist/ holds $(ls dist | wc -l) files"
