#!/usr/bin/env bash
# Builds the launcher and runs it under Wine from build/run/ (a copy of dist/,
# so dist/ stays clean for installing). With an X display the window appears
# there and the script ends when the launcher is closed. Without one, the
# launcher runs in a virtual display: the script saves a screenshot of its
# window to build/run/corvella.png, closes it and ends.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
bash tools/build.sh

mkdir -p build/run
source tools/windows-target.sh
# A machine that cannot run 32-bit programs runs the 64-bit test build.
program=dist
[ "$corvella_windows" = i686 ] || program=build/win32/dist
cp "$program"/* build/run/
had_display=${DISPLAY:-}
prefix=build/win32/wineprefix
source tools/virtual-session.sh
# The shortcut reader component, registered for this prefix's user from the
# copy the launcher runs beside.
(cd build/run && wine regsvr32 /s shortcutreader.dll) ||
  echo "run: shortcutreader.dll could not be registered; shortcuts open through the shell" >&2

if [ -n "$had_display" ]; then
  echo "run: starting the launcher on $DISPLAY (its settings: build/run/Corvella.ini)"
  (cd build/run && wine corvella.exe)
  exit 0
fi

(cd build/run && wine corvella.exe >/dev/null 2>&1 &)
window=""
for _ in $(seq 1 150); do
  window=$(xdotool search --onlyvisible --name '^ Corvella$' 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { echo "run: the launcher's window did not appear" >&2; exit 1; }
sleep 1  # let it paint
import -window "$window" build/run/corvella.png
# A polite close request, as from the window's close box: the launcher saves.
wine taskkill /im corvella.exe >/dev/null 2>&1 || true
for _ in $(seq 1 100); do
  xdotool search --name '^ Corvella$' >/dev/null 2>&1 || break
  sleep 0.2
done
echo "run: the launcher ran in a virtual display; its window: build/run/corvella.png"
echo "run: the settings it wrote on closing: build/run/Corvella.ini"
