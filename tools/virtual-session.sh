# Sourced by the run and test scripts: gives the commands after it one X
# display (a virtual one when none is set) and one Wine server for the
# prefix, kept alive across many short Wine processes; both end on exit.
# Expects $prefix to name the Wine prefix.
session_pids=()
end_virtual_session() {
  if [ -n "${WINEPREFIX:-}" ]; then WINEPREFIX=$WINEPREFIX wineserver -k 2>/dev/null || true; fi
  for pid in "${session_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
}
trap end_virtual_session EXIT

if [ -z "${DISPLAY:-}" ]; then
  fifo=$(mktemp -u); mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  session_pids+=($!)
  read -r -t 20 display_number <"$fifo"; rm -f "$fifo"
  [ -n "${display_number:-}" ] || { echo "virtual-session: Xvfb did not start" >&2; exit 2; }
  export DISPLAY=":$display_number"
fi

source "$(dirname "${BASH_SOURCE[0]}")/windows-target.sh"
export WINEPREFIX=$(realpath -m "$prefix") WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$(dirname "${BASH_SOURCE[0]}")/wine-prefix.sh" "$WINEPREFIX"
wineserver -p
# Start Wine's background processes (desktop, services) now, with their output
# going nowhere: started by the first test instead, they would hold its output
# pipe open and keep the test runner waiting.
wine cmd.exe /c exit >/dev/null 2>&1 </dev/null || true
