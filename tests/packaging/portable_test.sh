#!/usr/bin/env bash
# The portable zip as a user meets it, in a fresh Wine prefix of its own:
#   portable_test.sh PREFIX PORTABLE.zip installed_launcher.exe probe.exe
# Unzipped anywhere writable, the launcher starts and a shortcut button starts
# the probe through the shortcut reader with no registration step by hand (the
# launcher registers its components for the user at its first start);
# afterwards the registry holds those per-user classes, naming the unzipped
# files, and nothing else of the launcher's.
set -u
here=$(dirname "$(realpath "$0")")
source "$here/package_checks.sh"
prefix=$(realpath -m "$1"); zip=$2; checker=$3; probe=$4
fresh_prefix "$prefix"

step "unzip into a folder of the user's"
# A folder of the prefix's own drive (the user folders may lead to the
# real home folder).
target="$WINEPREFIX/drive_c/My Tools"
mkdir -p "$target"
unzip -q "$zip" -d "$target" || fail "unzip failed"
app="$target/Corvella"
expect_file "$app/corvella.exe"
expect_file "$app/shortcutreader.dll"
expect_file "$app/panorell.ocx"
[ ! -e "$app/Corvella.ini" ] || fail "the zip carries a Corvella.ini"

step "the launcher and its shortcut reader, unregistered"
check_launcher "$app" "$checker" "$probe"
expect_file "$app/Corvella.ini"

step "the registry holds the per-user classes and nothing else"
for class in "$reader_class" "$control_class"; do
  expect_key user "[Software\\\\Classes\\\\CLSID\\\\$class\\\\InprocServer32]"
  expect_value user "[Software\\\\Classes\\\\CLSID\\\\$class\\\\InprocServer32]" 'My Tools.*Corvella'
done
expect_none user 'Uninstall\\Corvella]'
expect_none machine 'Uninstall\\Corvella]'
# Nothing of the launcher's own under Software (its settings live in its folder).
expect_none user '[Software\\Corvella'
expect_none machine '[Software\\Corvella'

step "a second start registers nothing again"
# A registration written again would carry a new time stamp.
stamps() { grep -iF -A1 '\\InprocServer32]' "$WINEPREFIX/user.reg" | grep -iF -A1 -e "$reader_class" -e "$control_class"; }
before=$(stamps)
sleep 1
check_launcher "$app" "$checker" "$probe"
[ -n "$before" ] && [ "$(stamps)" = "$before" ] || fail "the second start registered the components again"
finish
