#!/usr/bin/env bash
# Creates the Wine prefix given as $1 once (32-bit where the machine runs
# 32-bit programs, else 64-bit; no Mono or Gecko prompts),
# serialised with a lock so that parallel tests do not race to create it.
set -u
prefix=$1
[ -f "$prefix/.ready" ] && [ -f "$prefix/.cdrom" ] && exit 0
mkdir -p "$(dirname "$prefix")"
exec 8>"$prefix.lock"
flock 8
[ -f "$prefix/.ready" ] && [ -f "$prefix/.cdrom" ] && exit 0
source "$(dirname "$0")/windows-target.sh"
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$prefix/.ready" ]; then
# wineboot needs no window, but some Wine builds want a display to be named.
DISPLAY= wineboot -i >/dev/null 2>&1
[ -d "$prefix/drive_c" ] || { echo "wine-prefix: Wine could not create $prefix" >&2; exit 2; }
# Wine draws the window frames itself (the virtual display has no window
# manager to draw them), and plays sound into nothing (there is no sound card).
DISPLAY= wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
DISPLAY= wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /d '' /f >/dev/null 2>&1
# Wine's own TrueType fonts (the frame buttons' symbols among them) are found
# only in the prefix's font folder.
cp -n /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
wineserver -w
touch "$prefix/.ready"
fi
# A CD-ROM drive R: over an empty folder, for the eject button's drive list
# (prefixes made before it get it too; the Wine server reads the drive types
# when it starts).
if [ ! -f "$prefix/.cdrom" ]; then
  mkdir -p "$prefix/cdrom"
  ln -sfn ../cdrom "$prefix/dosdevices/r:"
  DISPLAY= wine reg add 'HKLM\Software\Wine\Drives' /v r: /d cdrom /f >/dev/null 2>&1
  wineserver -w
  touch "$prefix/.cdrom"
fi
