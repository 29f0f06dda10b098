#!/usr/bin/env bash
# Builds and runs the benchmarks; each prints its figures with a ratio to a
# baseline measured in the same run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
bash tools/build.sh

# The layout's instruction counts, from an unsanitized release tree.
cmake -S . -B build/bench-native -DCMAKE_BUILD_TYPE=Release -DCORVELLA_DIST="$PWD/build/bench-native/dist" >/dev/null
cmake --build build/bench-native -j"$(nproc)" --target bench_arrange -- --no-print-directory >/dev/null
echo "== bench_arrange (callgrind instruction counts, inclusive)"
valgrind --tool=callgrind --callgrind-out-file=build/bench-native/arrange.callgrind \
  build/bench-native/bench/layout/bench_arrange 2>/dev/null
callgrind_annotate --inclusive=yes build/bench-native/arrange.callgrind 2>/dev/null |
  awk '/ArrangeRounds/ {gsub(",", "", $1); a = $1} /BaselineRounds/ {gsub(",", "", $1); b = $1}
       END {printf "ArrangeWindow: %d instructions per call; baseline %d per round; ratio %.1f\n",
            a / 100, b / 100, a / b}'

# A prefix of their own: the virtual display has no window manager, and Wine
# waits up to 2 s for one to withdraw each framed window that is hidden (the
# welcome window at start-up among them). Unmanaged windows are hidden at
# once, as they are on Windows or under a desktop's window manager.
prefix=build/win32/bench-wineprefix
source tools/virtual-session.sh
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
# As installed: the launcher's main window carries the registered list control.
wine regsvr32 /s "Z:$(realpath build/win32/dist/panorell.ocx | tr / '\\')" >/dev/null 2>&1
for bench in $(find build/win32/bench -name "bench_*.exe" | sort); do
  echo "== $(basename "$bench" .exe)"
  wine "$bench"
done
