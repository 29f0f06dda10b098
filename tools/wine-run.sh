#!/usr/bin/env bash
# Runs one Windows program under Wine for the tests and the launcher script.
#   wine-run.sh --prefix DIR program.exe [args...]
# The Wine prefix is private to the build folder and created on first use;
# when no X display is set, the program gets a virtual display of its own.
# The program's exit code and output are passed through unchanged.
set -u

prefix=""
if [ "${1:-}" = "--prefix" ]; then prefix=$2; shift 2; fi
[ -n "$prefix" ] || prefix=${WINEPREFIX:-}
[ -n "$prefix" ] || { echo "wine-run.sh: no --prefix given" >&2; exit 2; }
[ $# -ge 1 ] || { echo "usage: wine-run.sh --prefix DIR program.exe [args...]" >&2; exit 2; }

export WINEPREFIX=$(realpath -m "$prefix")
source "$(dirname "$(realpath "$0")")/windows-target.sh"
export WINEDEBUG=${WINEDEBUG:--all}
# Keeps Wine from stopping to offer its Mono and Gecko installers.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml="}

here=$(dirname "$(realpath "$0")")
"$here/wine-prefix.sh" "$WINEPREFIX" || exit 2

xvfb_pid=""
cleanup() { [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null; }
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
  fifo=$(mktemp -u); mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  xvfb_pid=$!
  read -r -t 20 num <"$fifo"; rm -f "$fifo"
  [ -n "${num:-}" ] || { echo "wine-run.sh: Xvfb did not start" >&2; exit 2; }
  export DISPLAY=":$num"
fi

# The program writes to files of its own, which are streamed on to this
# script's output while it runs: a Windows process it starts (a shell helper,
# say) inherits its output, and would otherwise hold the test runner's pipe
# open long after the program has ended, so that the runner waits for it.
out=$(mktemp)
err=$(mktemp)
trap 'cleanup; rm -f "$out" "$err"' EXIT
# A test program (run with gtest's options) always prints before it tests; one
# that fails without a line of output never started, as happens now and then
# when Wine fails to bring a process up under load. One that has printed
# gtest's closing summary is done testing; if its process then fails to end,
# it is ended after a grace period and its result is the summary's, with a
# message saying so.
is_test=0
for arg in "$@"; do case $arg in --gtest_*) is_test=1 ;; esac; done
grace_seconds=30
run() {
  : >"$out"
  : >"$err"
  wine "$@" >"$out" 2>"$err" &
  local pid=$! summarised="" status=0
  tail -s 0.1 -n +1 -f --pid="$pid" "$out" &
  local out_tail=$!
  tail -s 0.1 -n +1 -f --pid="$pid" "$err" >&2 &
  local err_tail=$!
  while kill -0 "$pid" 2>/dev/null; do
    if [ $is_test -eq 1 ] && grep -q '^\[==========\] .* ran\.' "$out"; then
      summarised=${summarised:-$SECONDS}
      if [ $((SECONDS - summarised)) -ge $grace_seconds ]; then
        echo "wine-run.sh: the test program printed its summary but did not end within ${grace_seconds} s; ending it" >&2
        kill -9 "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
        wait "$out_tail" "$err_tail"
        if grep -q '^\[  FAILED  \] ' "$out"; then return 1; fi
        return 0
      fi
    fi
    sleep 0.1
  done
  wait "$pid" || status=$?
  wait "$out_tail" "$err_tail"
  return $status
}

run "$@"
rc=$?
# 139: the wine process itself died of a segmentation fault. A crash inside
# the Windows program does not end this way: Wine catches it and starts its
# debugger. Wine 8 does this now and then as a process ends; such a run says
# nothing about the program, so it is run once more.
if [ $rc -eq 139 ]; then
  echo "wine-run.sh: wine itself crashed (signal 11); running the program again" >&2
  run "$@"
  rc=$?
elif [ $rc -ne 0 ] && [ $is_test -eq 1 ] && [ ! -s "$out" ]; then
  echo "wine-run.sh: the test program ended with $rc before printing anything; running it again" >&2
  run "$@"
  rc=$?
fi
exit $rc
