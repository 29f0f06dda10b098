#!/usr/bin/env bash
# The installer as a user runs it, in a fresh Wine prefix of its own:
#   install_test.sh PREFIX SETUP.exe installed_launcher.exe probe.exe SCREENSHOTS
# A silent install puts the program into the per-user folder with a Start
# menu shortcut, a program-list entry and the components registered for the
# user; the installed launcher starts and its shortcut reader works; a second
# install keeps a prepared Corvella.ini; the silent uninstaller removes the
# program, its registrations and its entry and keeps what the user made.
# Last, the installer's pages as a user clicks through them, photographed.
set -u
here=$(dirname "$(realpath "$0")")
source "$here/package_checks.sh"
prefix=$(realpath -m "$1"); setup=$2; checker=$3; probe=$4; shots=$5
fresh_prefix "$prefix"

app="$user_dir/AppData/Local/Programs/Corvella"
menu="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Corvella.lnk"
entry='[Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Corvella]'

step "silent install"
in_prefix "$setup" /S
expect_file "$app/corvella.exe"
expect_file "$app/shortcutreader.dll"
expect_file "$app/panorell.ocx"
expect_file "$app/uninstall.exe"
expect_file "$menu"
expect_key user "$entry"
expect_value user "$entry" '"UninstallString"=.*AppData.*Local.*Programs.*Corvella.*uninstall[.]exe'
expect_value user "$entry" '"QuietUninstallString"=.*uninstall[.]exe.* /S'
expect_value user "$entry" "\"DisplayVersion\"=\"$(basename "$setup" .exe | sed 's/^corvella-setup-//')\""
for class in "$reader_class" "$control_class"; do
  expect_key any "[Software\\\\Classes\\\\CLSID\\\\$class\\\\InprocServer32]"
done
expect_none machine 'Uninstall\\Corvella]'

step "the installed launcher and its shortcut reader"
check_launcher "$app" "$checker" "$probe"

step "install over it keeps Corvella.ini"
# A line the launcher keeps as it finds it (a key it does not own).
printf '[Options]\r\nWindowLeft=1500\r\nWindowTop=750\r\nWindowWidth=3000\r\nWindowHeight=6000\r\nEnableSound=0\r\n[Notes]\r\nMarker=kept by the upgrade\r\n[Buttons]\r\nButton1=probe.lnk\xff1\xff\xffProbe\xff\r\n' >"$app/Corvella.ini"
cp "$app/Corvella.ini" "$prefix/prepared.ini"
in_prefix "$setup" /S
expect_file "$app/corvella.exe"
cmp -s "$app/Corvella.ini" "$prefix/prepared.ini" || fail "the install over it changed the prepared Corvella.ini"
check_launcher "$app" "$checker" "$probe"
grep -q 'Marker=kept by the upgrade' "$app/Corvella.ini" || fail "the launcher lost the prepared settings"
cp "$app/Corvella.ini" "$prefix/before-uninstall.ini"

step "silent uninstall"
in_prefix "$app/uninstall.exe" /S
for f in corvella.exe shortcutreader.dll panorell.ocx uninstall.exe fwp3.ico welcome.wav; do
  expect_gone "$app/$f"
done
expect_gone "$menu"
expect_none user 'Uninstall\\Corvella]'
expect_none any "$reader_class"
expect_none any "$control_class"
expect_file "$app/Corvella.ini"
expect_file "$app/probe.lnk"
cmp -s "$app/Corvella.ini" "$prefix/before-uninstall.ini" || fail "the uninstaller changed Corvella.ini"

step "the installer's pages"
rm -rf "$app"
installer_pages "$setup" "$shots"
expect_file "$app/corvella.exe"
finish
