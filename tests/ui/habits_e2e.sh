#!/usr/bin/env bash
# The real wrennet under a virtual X server, driven as a user would: a library
# named on the command line on a fresh settings file, a function found by
# typing in a list of 100,000 and picked with Return, and Escape pressed with
# nothing open, which must leave the window be.
#   habits_e2e.sh PATH/TO/wrennet
source "$(dirname "$0")/x_session.sh" habits_e2e "$1"
# An assembler library whose functions carry their documentation block, so
# that opening the list finds the first function's text without a word.
awk 'function routine(p) { printf "/**\n%s\n */\n; C Function prototype: %s\n", p, p }
     BEGIN { for (i = 0; i < 100000; i++) routine("int Fn" i "(int port)")
             routine("long PortReadAll(int port)") }' > "$work/Big.s79"

# A fresh settings file: the library is added, remembered and selected. The
# introductory text is not wanted on the screen.
printf '[Last]\nIntro=No\n' > "$work/Wrennet.ini"
start_window "$work/Big.s79"
wait_for 'grep -qxF "$work/Big.s79=Yes" "$work/Wrennet.ini"' ||
  fail "the library was not remembered: $(cat "$work/Wrennet.ini")"
grep -qxF "Library=$work/Big.s79" "$work/Wrennet.ini" ||
  fail "the library was not selected: $(cat "$work/Wrennet.ini")"

# Escape with nothing open: the window stays.
xdotool key Escape
sleep 1
kill -0 "$app" 2>/dev/null || fail "Escape ended the program"
[ "$(windows)" -eq "$shown" ] || fail "Escape changed the windows"

open_function_list
sleep 0.5
xdotool type --delay 120 "readall"
sleep 0.5
xdotool key Return
wait_for 'grep -qx "Choice=long PortReadAll(int port)" "$work/Wrennet.ini"' ||
  fail "typing did not pick the function: $(cat "$work/Wrennet.ini")"
exit_window
echo "habits_e2e: ok"
