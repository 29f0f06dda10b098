#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer (under AddressSanitizer and
# UBSan, in build/fuzz) and runs each for a set time at low priority. Inputs
# that reach new code are merged into its committed corpus, fuzz/corpus/NAME,
# which the ordinary test run replays. A crash, a leak, a hang or a broken
# invariant stops that target and leaves the input in build/fuzz/finds/NAME/.
#
# Usage: tools/fuzz.sh [-t SECONDS | -c CPU_SECONDS] [-n NICENESS] [NAME...]
#   -t  run each target for SECONDS of wall time (default 60)
#   -c  run each target until it has used CPU_SECONDS of processor time, in
#       slices, so that a busy machine still gives each target its full share
#   -n  the targets' scheduling niceness (default 19: they yield to any build)
# Every run is appended to build/fuzz/logs/runs.tsv (target, CPU seconds,
# executions, corpus size, finds).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=60
cpu_budget=0
niceness=19
while getopts t:c:n: opt; do
  case $opt in
    t) seconds=$OPTARG ;;
    c) cpu_budget=$OPTARG; seconds=300 ;;
    n) niceness=$OPTARG ;;
    *) echo "usage: $0 [-t SECONDS | -c CPU_SECONDS] [-n NICENESS] [NAME...]" >&2; exit 2 ;;
  esac
done
shift $((OPTIND - 1))

# clang and its libFuzzer runtime, from Debian's packages, when missing.
if ! command -v clang++ >/dev/null || ! compgen -G "/usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a" >/dev/null; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends clang libclang-rt-dev >/dev/null \
    || $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends clang libclang-rt-14-dev >/dev/null
fi

root=${CORVELLA_BUILD_ROOT:-build}
dir=$root/fuzz
launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
# Warnings are the gcc trees' business; clang sees a few more of its own.
cmake -S . -B "$dir" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCORVELLA_SANITIZE=ON -DCORVELLA_FUZZ=ON -DCORVELLA_WERROR=OFF "${launcher[@]}" >/dev/null
nice -n 19 cmake --build "$dir" -j"$(nproc)" --target fuzz_all -- --no-print-directory >/dev/null

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for corpus in fuzz/corpus/*/; do targets+=("$(basename "$corpus")"); done
fi

# Runs one slice of a target; prints "CPU-seconds executions exit-status".
run_slice() {
  local name=$1 work=$2 corpus=$3 finds=$4 log=$5 timing status=0
  timing=$(mktemp)
  TIMEFORMAT='%U %S'
  { time nice -n "$niceness" "$dir/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 \
      -print_final_stats=1 -artifact_prefix="$finds/" "$work" "$corpus" >"$log" 2>&1 || status=$?; } 2>"$timing"
  local cpu runs
  cpu=$(awk '{ printf "%d", $1 + $2 }' "$timing")
  rm -f "$timing"
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  echo "$cpu ${runs:-0} $status"
}

failed=0
for name in "${targets[@]}"; do
  corpus=fuzz/corpus/$name
  work=$dir/work/$name
  finds=$dir/finds/$name
  log=$dir/logs/$name.log
  mkdir -p "$work" "$finds" "$(dirname "$log")" "$corpus"
  stamp=$dir/logs/$name.start
  touch "$stamp"
  before=$(ls "$corpus" | wc -l)
  cpu_total=0 runs_total=0 status=0
  while :; do
    read -r cpu runs status < <(run_slice "$name" "$work" "$corpus" "$finds" "$log")
    cpu_total=$((cpu_total + cpu)) runs_total=$((runs_total + runs))
    [ "$status" -eq 0 ] || break
    [ "$cpu_total" -lt "$cpu_budget" ] || break
  done
  # Only what adds coverage joins the committed corpus, so it stays small.
  nice -n 19 "$dir/fuzz/fuzz_$name" -merge=1 "$corpus" "$work" >/dev/null 2>&1 || true
  after=$(ls "$corpus" | wc -l)
  found=$(find "$finds" -type f -newer "$stamp" | wc -l)
  printf '%s\t%s\t%s\t%s\t%s\t%s\n' "$(date -u +%FT%TZ)" "$name" "$cpu_total" "$runs_total" "$after" "$found" >>"$dir/logs/runs.tsv"
  echo "fuzz: $name: $runs_total runs in ${cpu_total} CPU-s, corpus $before -> $after, new finds $found$([ "$status" -ne 0 ] && echo " (stopped: see $log)")"
  [ "$status" -eq 0 ] || failed=1
done
exit $failed
