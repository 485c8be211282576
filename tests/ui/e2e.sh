#!/usr/bin/env bash
# Starts the real wrennet under a virtual X server, drives it with the keyboard
# only (mnemonics and arrow keys, as a user without a mouse would), and checks
# what it left in Wrennet.ini.
#   e2e.sh PATH/TO/wrennet
source "$(dirname "$0")/x_session.sh" e2e "$1"
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
remember_port_library "int PortClose(int port)"
start_window

# Alt+F focuses the function list; Alt+Down opens it (rescanned, last choice
# selected); Down moves to the next function; Return closes the list on it.
open_function_list
sleep 0.3
xdotool key Down
sleep 0.3
xdotool key Return
wait_for 'grep -qx "Choice=int PortRead(int port, int mode)" "$work/Wrennet.ini"' || true
exit_window

grep -qx "Choice=int PortRead(int port, int mode)" "$work/Wrennet.ini" ||
  fail "[Last] Choice not written: $(cat "$work/Wrennet.ini")"
grep -qx "AppPath=$work/" "$work/Wrennet.ini" ||
  fail "[Last] AppPath not written: $(cat "$work/Wrennet.ini")"
echo "e2e: ok"
