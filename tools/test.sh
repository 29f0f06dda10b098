#!/usr/bin/env bash
# Installs what is missing, builds both trees and runs every test: the core
# natively (sanitized), then the core, the adapters and the whole program
# under Wine. Screenshots of the e2e run land in build/win32/screenshots.
# Arguments go to ctest (for example -L unit).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
bash tools/build.sh

root=${CORVELLA_BUILD_ROOT:-build}

echo "== native core tests"
ctest --test-dir "$root/native" --output-on-failure -j"$(nproc)" "$@"

echo "== tests under Wine"
prefix=$root/win32/wineprefix
source tools/virtual-session.sh
shots=$root/win32/screenshots
mkdir -p "$shots"
rm -f "$shots"/*.bmp "$shots"/*.png
ctest --test-dir "$root/win32" --output-on-failure -j"$(nproc)" "$@"
for shot in "$shots"/*.bmp; do
  [ -e "$shot" ] || continue
  convert "$shot" "${shot%.bmp}.png" && rm -f "$shot"
done
echo "screenshots: $(ls "$shots" | wc -l) in $shots"
