#!/usr/bin/env bash
# Runs kill_saves.py with the tests' Wine prefix.
#   kill_saves.sh PREFIX SAVE_LOOP_EXE FOLDER RECORDS KILLS
set -eu
prefix=$1 exe=$2 folder=$3 records=$4 kills=$5
here=$(dirname "$(realpath "$0")")
tools=$here/../../tools
export WINEPREFIX=$(realpath -m "$prefix")
source "$tools/windows-target.sh"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$tools/wine-prefix.sh" "$WINEPREFIX"
rm -rf "$folder"
mkdir -p "$folder"
folder=$(realpath "$folder")
python3 "$here/kill_saves.py" "$exe" "$folder" "Z:${folder//\//\\}" "$records" "$kills"
status=$?
rm -rf "$folder"
exit $status
