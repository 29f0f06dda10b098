# Shared by the package tests (sourced): a fresh Wine prefix, running
# programs in it, and checks on its files and registry (read from the
# prefix's registry files once Wine has ended and written them).
tools=$(realpath "$here/../../tools")
source "$tools/windows-target.sh"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
reader_class='{487A5A68-343C-4209-9F96-70E56CCF1AC8}'
control_class='{8F1F5403-1AA7-11D0-B6D4-0080C81D4C9C}'
failures=0

step() { echo "== $*"; }
fail() { echo "FAILED: $*" >&2; failures=$((failures + 1)); }
finish() {
  if [ "$failures" -eq 0 ]; then echo "all checks held"; exit 0; fi
  echo "$failures checks failed" >&2; exit 1
}

# A prefix whose first boot was cut short (it happens now and then while other
# tests start Wine) has no system files; it is made again.
fresh_prefix() {
  local attempt
  for attempt in 1 2 3; do
    rm -rf "$1" "$1.lock"
    "$tools/wine-prefix.sh" "$1" || { echo "no Wine prefix" >&2; exit 2; }
    [ -e "$1/drive_c/windows/system32/kernel32.dll" ] && break
    echo "the new Wine prefix has no system files (attempt $attempt); making it again" >&2
    WINEPREFIX=$1 wineserver -k 2>/dev/null || true
  done
  export WINEPREFIX=$1
  user_dir=$(ls -d "$1"/drive_c/users/* | grep -v '/Public$' | head -1)
}

# Runs a Windows program in the prefix and waits until every process it
# started has ended (uninstallers hand over to a copy of themselves).
in_prefix() {
  "$tools/wine-run.sh" --prefix "$WINEPREFIX" "$@"
  local rc=$?
  wineserver -w
  [ $rc -eq 0 ] || fail "$(basename "$1") $* ended with $rc"
}

registry_file() {
  case $1 in
    user) echo "$WINEPREFIX/user.reg" ;;
    machine) echo "$WINEPREFIX/system.reg" ;;
    any) echo "$WINEPREFIX/user.reg $WINEPREFIX/system.reg" ;;
  esac
}
expect_key() { grep -qiF "$2" $(registry_file "$1") || fail "no registry key $2 ($1)"; }
# The value line must follow the key's line within its block.
expect_value() {
  KEY=$2 PATTERN=$3 awk '
    index(tolower($0), tolower(ENVIRON["KEY"])) == 1 { inside = 1; next }
    /^\[/ { inside = 0 }
    inside && $0 ~ ENVIRON["PATTERN"] { found = 1 }
    END { exit found ? 0 : 1 }' $(registry_file "$1") || fail "no value $3 under $2"
}
expect_none() { ! grep -qiF "$2" $(registry_file "$1") || fail "the registry still holds $2 ($1)"; }
expect_file() { [ -e "$1" ] || fail "missing: ${1#$WINEPREFIX/}"; }
expect_gone() { [ ! -e "$1" ] || fail "still there: ${1#$WINEPREFIX/}"; }

# The launcher in FOLDER starts and a shortcut button starts the probe
# through the shortcut reader.
check_launcher() {
  local folder=$1 checker=$2 probe=$3
  CORVELLA_INSTALLED=$(winepath -w "$folder") \
    "$tools/wine-run.sh" --prefix "$WINEPREFIX" "$checker" "$(winepath -w "$probe")" ||
    fail "the launcher in ${folder#$WINEPREFIX/} failed its checks"
  wineserver -w
}

# The id of the visible X window whose name starts with NAME, waiting up to
# 60 seconds for it.
wait_window() {
  local id
  for _ in $(seq 120); do
    id=$(xdotool search --onlyvisible --name "^$1" 2>/dev/null | head -1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.5
  done
  return 1
}

# Clicks through the installer with the keyboard (Next, Install, Finish)
# and photographs the welcome, folder and finish pages into SHOTS.
installer_pages() {
  local setup=$1 shots=$2 title id
  [ -n "${DISPLAY:-}" ] || { fail "no display for the installer's pages"; return; }
  title="$(basename "$setup" .exe | sed 's/^corvella-setup-/Corvella /') Setup"
  "$tools/wine-run.sh" --prefix "$WINEPREFIX" "$setup" &
  id=$(wait_window "$title") || { fail "the installer showed no window"; wineserver -k; return; }
  page() {  # page NAME: waits for the page to settle, photographs it
    sleep 2
    import -window "$id" "$shots/installer-$1.png" || fail "no picture of the $1 page"
  }
  page welcome
  xdotool windowfocus --sync "$id" key Return
  page folder
  xdotool windowfocus --sync "$id" key Return
  for _ in $(seq 60); do [ -e "$app/uninstall.exe" ] && break; sleep 1; done
  page finish
  # Finish starts the launcher (the page's check box is on); end it all.
  xdotool windowfocus --sync "$id" key Return
  sleep 3
  wineserver -k
  wait
}
