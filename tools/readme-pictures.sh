#!/usr/bin/env bash
# Makes the README's pictures again: runs the end-to-end scenes that show the
# launcher as a user sets it up (and the installer's pages) and copies their
# screenshots, as small PNG files, into docs/pictures/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/test.sh -R 'ReadmePictures|ScreenResolution|TheInstallerInstalls'
shots=build/win32/screenshots
out=docs/pictures
mkdir -p "$out"
copy() {  # copy SCREENSHOT PICTURE
  [ -f "$shots/$1.png" ] || { echo "readme-pictures: no screenshot $1" >&2; exit 1; }
  # Few colours and no metadata: the pictures stay small in the repository.
  convert "$shots/$1.png" -strip -colors 128 "PNG8:$out/$2.png"
}
copy readme-main-window main-window
# The three resolutions side by side, tops aligned.
convert "$shots/dpi-96-main-window.png" "$shots/dpi-120-main-window.png" "$shots/dpi-144-main-window.png" \
  -bordercolor white -border 6x0 -background white -gravity north +append -strip -colors 128 "PNG8:$out/dpi-all.png"
for page in welcome folder finish; do copy "installer-$page" "installer-$page"; done
ls -l "$out"
