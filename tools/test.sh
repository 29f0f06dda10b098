#!/usr/bin/env bash
# Installs what is missing, builds both trees and runs every test: the core
# natively (sanitized), then the core, the adapters and the whole program
# under Wine. Screenshots of the e2e run land in build/win32/screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
bash tools/build.sh

echo "== native core tests"
ctest --test-dir build/native --output-on-failure -j"$(nproc)"

echo "== tests under Wine"
prefix=build/win32/wineprefix
source tools/virtual-session.sh
rm -f build/win32/screenshots/*.bmp build/win32/screenshots/*.png
ctest --test-dir build/win32 --output-on-failure -j"$(nproc)"
for shot in build/win32/screenshots/*.bmp; do
  [ -e "$shot" ] || continue
  convert "$shot" "${shot%.bmp}.png" && rm -f "$shot"
done
echo "screenshots: $(ls build/win32/screenshots | wc -l) in build/win32/screenshots"
