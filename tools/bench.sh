#!/usr/bin/env bash
# Builds and runs the benchmarks; each prints its figures with a ratio to a
# baseline measured in the same run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
bash tools/build.sh
prefix=build/win32/wineprefix
source tools/virtual-session.sh
for bench in $(find build/win32/bench -name "bench_*.exe" | sort); do
  echo "== $(basename "$bench" .exe)"
  wine "$bench"
done
