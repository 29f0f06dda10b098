#!/usr/bin/env bash
# Log-off under Wine in a prefix of its own: the launcher runs from a fresh
# program folder, the e2e driver chooses "Logoff User", and the launcher must
# end with its settings saved (keys missing from the file before are there).
#   logoff_e2e.sh PREFIX DIST E2E_TESTS_EXE WORK_FOLDER
set -u
prefix=$1 dist=$2 driver=$3 work=$4
here=$(dirname "$(realpath "$0")")
tools=$here/../../tools
rm -rf "$work"
mkdir -p "$work"
work=$(realpath "$work")
cp "$dist"/* "$work"/
printf '[Options]\r\nEnableSound=0\r\nWindowLeft=1500\r\nWindowTop=0\r\nWindowWidth=3600\r\nWindowHeight=8000\r\n' \
  >"$work/Corvella.ini"
source "$tools/virtual-session.sh"

(cd "$work" && exec wine corvella.exe) &
launcher=$!
CORVELLA_LOGOFF_PREFIX=1 wine "$driver" --gtest_filter='LogOff.*'
echo "logoff_e2e: driver ended with $?"
for _ in $(seq 1 120); do
  kill -0 "$launcher" 2>/dev/null || break
  sleep 0.5
done
if kill -0 "$launcher" 2>/dev/null; then
  echo "logoff_e2e: the launcher still runs after the log-off" >&2
  kill "$launcher"
  exit 1
fi
cat "$work/Corvella.ini"
grep -q '^HotKey=145' "$work/Corvella.ini" || { echo "logoff_e2e: the settings were not saved" >&2; exit 1; }
grep -q '^WindowShade=0' "$work/Corvella.ini" || { echo "logoff_e2e: the settings were not saved" >&2; exit 1; }
rm -rf "$work"
