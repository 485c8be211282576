#!/usr/bin/env bash
# Starts the real wrennet under a virtual X server, drives it with the keyboard
# only (mnemonics and arrow keys, as a user without a mouse would), and checks
# what it left in Wrennet.ini.
#   e2e.sh PATH/TO/wrennet
set -euo pipefail
binary=$(readlink -f "$1")
work=$(mktemp -d)
trap 'kill "${app:-}" 2>/dev/null || true; kill "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

cp "$binary" "$work/wrennet"
cat > "$work/Port.s79" <<'LIB'
/**
int PortClose(int port)
 * @brief int PortClose closes a port.
 */
; C Function prototype: int PortClose(int port)
/**
int PortRead(int port, int mode)
 * @brief int PortRead reads a port.
 * @param port :{0,1,2}
 */
; C Function prototype: int PortRead(int port, int mode)
LIB
printf '[Last]\nIntro=No\nChoice=int PortClose(int port)\nLibrary=%s\n[Libraries]\n%s=Yes\n' \
  "$work/Port.s79" "$work/Port.s79" > "$work/Wrennet.ini"

for d in $(seq 140 190); do [ -e "/tmp/.X$d-lock" ] || { display=":$d"; break; }; done
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 & xvfb=$!
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

"$work/wrennet" >/dev/null 2>&1 & app=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Wrennet$' | head -1)
[ -n "$window" ] || { echo "e2e: the window did not show" >&2; exit 1; }
xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
# The machine may be busy: every step waits for what it needs, up to 10 s.
wait_for() { for _ in $(seq 100); do eval "$1" && return 0; sleep 0.1; done; return 1; }
wait_for '[ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ]' || true
windows() { xdotool search --onlyvisible --pid "$app" 2>/dev/null | wc -l; }
shown=$(windows)

# Alt+F focuses the function list; Alt+Down opens it (rescanned, last choice
# selected); Down moves to the next function; Return closes the list on it.
xdotool key alt+f
sleep 0.3
xdotool key alt+Down
wait_for '[ "$(windows)" -gt "$shown" ]' || { echo "e2e: the function list did not open" >&2; exit 1; }
sleep 0.3
xdotool key Down
sleep 0.3
xdotool key Return
wait_for 'grep -qx "Choice=int PortRead(int port, int mode)" "$work/Wrennet.ini"' || true
# Alt+X is E&xit.
xdotool key alt+x
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then echo "e2e: Alt+X did not end the program" >&2; exit 1; fi

grep -qx "Choice=int PortRead(int port, int mode)" "$work/Wrennet.ini" || {
  echo "e2e: [Last] Choice not written:" >&2; cat "$work/Wrennet.ini" >&2; exit 1; }
grep -qx "AppPath=$work/" "$work/Wrennet.ini" || {
  echo "e2e: [Last] AppPath not written:" >&2; cat "$work/Wrennet.ini" >&2; exit 1; }
echo "e2e: ok"
