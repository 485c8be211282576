#!/usr/bin/env bash
# Starts the real wrennet under a virtual X server and, with the keyboard
# only, chooses functions, fills their parameters and copies the calls; the
# calls are read back from the X clipboard with xclip.
#   e2e_copy.sh PATH/TO/wrennet
source "$(dirname "$0")/x_session.sh" e2e_copy "$1"
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
remember_port_library "int PortRead(int port, int mode)"
start_window

clipboard() { timeout 2 xclip -o -selection clipboard 2>/dev/null || true; }
keys() { for k in "$@"; do xdotool key "$k"; sleep 0.3; done; }
# Opens the function list (the last choice selected), moves `$1` entries
# (Up/Down, or none) and closes it there.
choose() {
  open_function_list
  sleep 0.3
  [ -n "$1" ] && keys "$1"
  keys Return
  wait_for '[ "$(windows)" -eq "$shown" ]' || true
}
expect_clipboard() {
  expected=$1
  wait_for '[ "$(clipboard)" = "$expected" ]' || fail "clipboard holds '$(clipboard)', not '$expected'"
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
wait_for '[ "$(windows)" -gt "$shown" ]' || fail "no warning for the empty slot"
keys Return
wait_for '[ "$(windows)" -eq "$shown" ]' || fail "Return left the warning open"
expect_clipboard 'PortGap(A,)'
# Xvfb has no window manager to hand the focus back when the box closes.
xdotool windowfocus --sync "$window" >/dev/null 2>&1 || true
exit_window
echo "e2e_copy: ok"
