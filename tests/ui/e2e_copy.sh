#!/usr/bin/env bash
# Starts the real wrennet under a virtual X server and, with the keyboard
# only, chooses functions, fills their parameters and copies the calls; the
# calls are read back from the X clipboard with xclip.
#   e2e_copy.sh PATH/TO/wrennet
set -euo pipefail
binary=$(readlink -f "$1")
work=$(mktemp -d)
trap 'kill "${app:-}" 2>/dev/null || true; kill "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

cp "$binary" "$work/wrennet"
cat > "$work/Port.s79" <<'LIB'
/**
int PortRead(int port, int mode)
 * @brief int PortRead reads a port.
 * @param port :{0,1,2}
 * @param mode :{RD|WR}
 */
; C Function prototype: int PortRead(int port, int mode)
/**
int PortGap(int first, int second)
 * @brief int PortGap leaves its second value to the user.
 * @param first :{A,B}
 */
; C Function prototype: int PortGap(int first, int second)
LIB
printf '[Last]\nIntro=No\nChoice=int PortRead(int port, int mode)\nLibrary=%s\n[Libraries]\n%s=Yes\n' \
  "$work/Port.s79" "$work/Port.s79" > "$work/Wrennet.ini"

for d in $(seq 191 240); do [ -e "/tmp/.X$d-lock" ] || { display=":$d"; break; }; done
Xvfb "$display" -screen 0 1280x1024x24 >/dev/null 2>&1 & xvfb=$!
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

"$work/wrennet" >/dev/null 2>&1 & app=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Wrennet$' | head -1)
[ -n "$window" ] || { echo "e2e_copy: the window did not show" >&2; exit 1; }
xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
# The machine may be busy: every step waits for what it needs, up to 10 s.
wait_for() { for _ in $(seq 100); do eval "$1" && return 0; sleep 0.1; done; return 1; }
wait_for '[ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ]' || true
windows() { xdotool search --onlyvisible --pid "$app" 2>/dev/null | wc -l; }
clipboard() { timeout 2 xclip -o -selection clipboard 2>/dev/null || true; }
keys() { for k in "$@"; do xdotool key "$k"; sleep 0.3; done; }
shown=$(windows)
# Opens the function list (the last choice selected), moves `$1` entries
# (Up/Down, or none) and closes it there.
choose() {
  keys alt+f alt+Down
  wait_for '[ "$(windows)" -gt "$shown" ]' || { echo "e2e_copy: the function list did not open" >&2; exit 1; }
  [ -n "$1" ] && keys "$1"
  keys Return
  wait_for '[ "$(windows)" -eq "$shown" ]' || true
}
expect_clipboard() {
  expected=$1
  wait_for '[ "$(clipboard)" = "$expected" ]' || {
    echo "e2e_copy: clipboard holds '$(clipboard)', not '$expected'" >&2; exit 1; }
}

# PortRead: Alt+P, shared with Setu&p, reaches the first slot at its second
# press; Down picks 1; Tab enters mode, whose list opens with RD selected;
# Shift+Down adds WR; Alt+C copies.
choose ""
keys alt+p alt+p Down Tab shift+Down alt+c
expect_clipboard 'PortRead(1,RD|WR)'

# PortGap (the entry before PortRead) with its second value left empty: the
# warning, dismissed with Return, and the call all the same.
choose Up
keys alt+c
wait_for '[ "$(windows)" -gt "$shown" ]' || { echo "e2e_copy: no warning for the empty slot" >&2; exit 1; }
keys Return
wait_for '[ "$(windows)" -eq "$shown" ]' || { echo "e2e_copy: Return left the warning open" >&2; exit 1; }
expect_clipboard 'PortGap(A,)'
# Xvfb has no window manager to hand the focus back when the box closes.
xdotool windowfocus --sync "$window" >/dev/null 2>&1 || true

keys alt+x
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then echo "e2e_copy: Alt+X did not end the program" >&2; exit 1; fi
echo "e2e_copy: ok"
