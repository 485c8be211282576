#!/usr/bin/env bash
# Help and Setup in the real program under a virtual X server, with stand-in
# programs on PATH that write down how they were started. A second run has no
# browser and no xdg-open at all: the window says so for each request, and
# neither hangs nor falls over.
#   help_e2e.sh PATH/TO/wrennet
set -euo pipefail
binary=$(readlink -f "$1")
# No ".h" in the folder's name, which would make a library there a C header.
work=$(mktemp -d "${TMPDIR:-/tmp}/wrennet-help-XXXXXX")
trap 'kill "${app:-}" 2>/dev/null || true; kill "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "help e2e: $*" >&2; [ -f "$work/started" ] && sed 's/^/  started: /' "$work/started" >&2; exit 1; }

cp "$binary" "$work/wrennet"
mkdir -p "$work/bin" "$work/empty" "$work/help/wrennet"
for program in web xdg-open WrennetHelp.exe; do
  cat >"$work/bin/$program" <<STANDIN
#!/bin/sh
{ printf '%s' "\$(basename "\$0")"; for a in "\$@"; do printf ' %s' "\$a"; done; echo; } >>"$work/started"
STANDIN
  chmod +x "$work/bin/$program"
done
echo '<p>guide</p>' >"$work/help/wrennet/QX_P.html"

# Xvfb picks a free display itself and names it, so that tests running side
# by side never share one. It must not reset when the first run's last client
# leaves: a window started during the reset finds no display and aborts.
Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 3>"$work/display" >/dev/null 2>&1 & xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
wait_for() { for _ in $(seq 100); do eval "$1" && return 0; sleep 0.1; done; return 1; }
started() { grep -cxF -- "$1" "$work/started" 2>/dev/null || true; }
# Presses `keys` and waits until the line `expected` has been started `count` times.
expect() {
  local keys=$1 expected=$2 count=$3
  xdotool key --delay 100 $keys
  wait_for '[ "$(started "$expected")" -ge "$count" ]' || fail "after '$keys': no '$expected'"
}
start_window() {
  PATH=$1 "$work/wrennet" >/dev/null 2>&1 & app=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Wrennet$' | head -1)
  [ -n "$window" ] || fail "the window did not show"
  xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
  wait_for '[ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ]' || true
}
end_window() {
  # Without a window manager nothing gives the focus back after a dialog.
  xdotool windowfocus --sync "$window" >/dev/null 2>&1 || true
  xdotool key alt+x
  wait_for '! kill -0 "$app" 2>/dev/null' || fail "$1: Alt+X did not end the program"
  wait "$app" || fail "$1: the program ended badly"
}

# 1. Stand-ins for the browser, xdg-open and the help launcher.
printf '[Last]\nIntro=No\nBrowser=web\nUrl=%s/help/\n' "$work" >"$work/Wrennet.ini"
start_window "$work/bin:/usr/bin:/bin"
guide="web $work/help/wrennet/QX_P.html"
expect F1 "$guide" 1
expect alt+h "$guide" 2                          # F1=&Help, the guide present
rm "$work/help/wrennet/QX_P.html"
cp "$work/bin/WrennetHelp.exe" "$work/help/"
expect alt+h "WrennetHelp.exe" 1                 # the guide gone: the launcher
expect F1 "$guide" 3                             # the F1 key does not look
# Setu&p sits two steps back from &Unlist, where the focus starts.
xdotool key --delay 100 shift+Tab shift+Tab space
wait_for 'xdotool search --onlyvisible --name "^Setup$" >/dev/null 2>&1' || fail "Setup did not open"
expect F1 "web $work/help/QXS_B.html" 1          # Setup's own help, from its fields
xdotool key --delay 100 Tab ctrl+a
xdotool type --delay 50 "$work/elsewhere"
xdotool key --delay 100 Tab Escape
wait_for '! xdotool search --onlyvisible --name "^Setup$" >/dev/null 2>&1' || fail "Setup did not close"
grep -qxF "Url=$work/elsewhere/" "$work/Wrennet.ini" || fail "the help path was not kept: $(cat "$work/Wrennet.ini")"
grep -qxF "Intro=No" "$work/Wrennet.ini" || fail "Escape wrote Intro: $(cat "$work/Wrennet.ini")"
end_window "with stand-ins"
[ "$(wc -l <"$work/started")" -eq 5 ] || fail "more was started than asked for"

# 2. No browser and no xdg-open: the introductory text at start, F1 and
#    F1=&Help, then the HTML help with a browser that is not there. Each
#    failed start is told in one message, answered with Return; the window
#    neither hangs nor falls over.
shown() { xdotool search --onlyvisible --pid "$app" 2>/dev/null | wc -l; }
# Waits for a message beside `before` shown windows, and answers it.
answer_message() {
  local before=$1 what=$2 box
  wait_for '[ "$(shown)" -gt "$before" ]' || fail "$what: no message"
  box=$(xdotool search --onlyvisible --pid "$app" 2>/dev/null | grep -vxF "${window:-}" | tail -1)
  # Without a window manager the box may not have the keyboard at once; a
  # busy machine gets a few tries.
  for _ in 1 2 3 4 5; do
    xdotool windowactivate --sync "$box" >/dev/null 2>&1 || xdotool windowfocus --sync "$box" >/dev/null 2>&1 || true
    xdotool key Return
    for _ in $(seq 30); do
      xdotool search --onlyvisible --pid "$app" 2>/dev/null | grep -qxF "$box" || return 0
      sleep 0.1
    done
  done
  fail "$what: the message stayed"
}
printf '[Last]\nBrowser=/nowhere/web\nUrl=%s/help/\n' "$work" >"$work/Wrennet.ini"
window=
PATH="$work/empty" "$work/wrennet" >/dev/null 2>&1 & app=$!
answer_message 0 "the introductory text at start"
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Wrennet$' | head -1)
[ -n "$window" ] || fail "the window did not show"
for key in F1 alt+h; do
  xdotool windowfocus --sync "$window" >/dev/null 2>&1 || true
  xdotool key "$key"
  answer_message 1 "$key, the introductory text"
done
printf '[Last]\nIntro=No\nBrowser=/nowhere/web\nUrl=%s/help/\n' "$work" >"$work/Wrennet.ini"
xdotool windowfocus --sync "$window" >/dev/null 2>&1 || true
xdotool key F1
answer_message 1 "F1, the browser"
# F1=&Help finds the guide gone and the launcher there: started, nothing to tell.
xdotool windowfocus --sync "$window" >/dev/null 2>&1 || true
xdotool key alt+h
# (Its line is blank: PATH holds no basename now.)
wait_for '[ "$(wc -l <"$work/started")" -ge 6 ]' || fail "alt+h: the launcher was not started"
kill -0 "$app" 2>/dev/null || fail "the window fell over without a browser"
end_window "without a browser"
echo "help e2e: ok"
