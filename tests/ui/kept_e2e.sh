#!/usr/bin/env bash
# The real program against what a careless user, a second running copy or a
# hostile file system leave for it: files beside the settings, a settings
# file that is a FIFO, read-only or locked by a hung program, libraries added
# while a message is up, ten thousand libraries, and a library of one 100 MB
# line. Each time the window must come up, and nothing the user kept is lost.
#   kept_e2e.sh PATH/TO/wrennet
source "$(dirname "$0")/x_session.sh" kept-e2e "$1"
ini=$work/Wrennet.ini

# The main window is told from message boxes (all titled "Wrennet") by its size.
geometry() { xdotool getwindowgeometry "$1" 2>/dev/null | awk '/Geometry/ {print $2}'; }

# Starts the program once more on the X server of the first start.
# (Without the descriptor a held lock is kept on.)
launch() { "$work/wrennet" >/dev/null 2>&1 9>&- & app=$!; }

# Waits up to `$1` seconds for the main window, answering each message box on
# the way with Return; `$2`, when given, runs once at the first message box.
await_main() {
  local deadline=$((SECONDS + $1)) at_box=${2:-}
  while [ "$SECONDS" -lt "$deadline" ]; do
    for w in $(xdotool search --onlyvisible --pid "$app" --name '^Wrennet$' 2>/dev/null); do
      if [ "$(geometry "$w")" = "$size" ]; then window=$w; return 0; fi
      if [ -n "$at_box" ]; then eval "$at_box"; at_box=; fi
      xdotool windowactivate --sync "$w" >/dev/null 2>&1 || true
      xdotool key Return
      sleep 0.3
    done
    sleep 0.1
  done
  return 1
}

close_main() {
  xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
  exit_window
}

# Files beside the settings that only look like Wrennet's own temporary files.
printf '[Last]\nIntro=No\n' >"$ini"
touch "$ini.backup" "$ini.orig12"
start_window
size=$(geometry "$window")
exit_window
[ -f "$ini.backup" ] && [ -f "$ini.orig12" ] || fail "the user's copies of Wrennet.ini were deleted"

# A FIFO in the settings file's place: never opened for a wait, never replaced.
rm -f "$ini"
mkfifo "$ini"
launch
await_main 20 || fail "no window with a FIFO for Wrennet.ini"
close_main
[ -p "$ini" ] || fail "the FIFO was replaced"
rm -f "$ini"

# A settings file its owner made read-only is kept as it is.
printf '[Last]\nIntro=No\n' >"$ini"
chmod 444 "$ini"
launch
await_main 20 || fail "no window with a read-only Wrennet.ini"
close_main
[ "$(cat "$ini")" = "$(printf '[Last]\nIntro=No')" ] || fail "the read-only file changed: $(cat "$ini")"
rm -f "$ini"

# A hung program holds the settings' lock: the window comes up all the same.
printf '[Last]\nIntro=No\n' >"$ini"
exec 9>"$ini.lock"
flock -x 9
launch
await_main 20 || fail "no window while the lock is held"
close_main
exec 9>&-

# Another copy adds a library while "not available" is on the screen.
: >"$work/here.s79"
printf '[Last]\nIntro=No\n[Libraries]\n%s=Yes\n%s=Yes\n' "$work/gone.s79" "$work/here.s79" >"$ini"
add_library_meanwhile() {
  flock "$ini.lock" sh -c 'printf "%s=Yes\n" "$1" >>"$2"' - "$work/new.s79" "$ini"
}
launch
await_main 20 add_library_meanwhile || fail "no window after the missing library"
close_main
grep -qxF "$work/new.s79=Yes" "$ini" || fail "the library added meanwhile was lost: $(cat "$ini")"
grep -qxF "$work/here.s79=Yes" "$ini" || fail "the library found was lost"
! grep -qF "$work/gone.s79" "$ini" || fail "the missing library stayed"

# Ten thousand libraries: the key list's capacity lists a few hundred, and
# none of the others leaves the file.
mkdir "$work/libs"
(cd "$work/libs" && seq -f 'lib%05g.s79' 10000 | xargs touch)
{ printf '[Last]\nIntro=No\n[Libraries]\n'; seq -f "$work/libs/lib%05g.s79=Yes" 10000; } >"$ini"
launch
await_main 30 || fail "no window with ten thousand libraries"
close_main
kept=$(grep -c '^/.*/libs/lib[0-9]*\.s79=Yes$' "$ini" || true)
[ "$kept" = 10000 ] || fail "$kept of 10000 libraries kept"

# One line of 100 MB: the window settles within seconds and stays under 1 GB.
{ printf '/**\nint ZetF(int a)\n * @param a :{0,1}\n */\n; C Function prototype: int ZetF(int a)\n'
  head -c 100000000 /dev/zero | tr '\0' x; echo; } >"$work/Long.s79"
printf '[Last]\nIntro=No\nLibrary=%s\n[Libraries]\n%s=Yes\n' "$work/Long.s79" "$work/Long.s79" >"$ini"
started=$SECONDS
launch
await_main 30 || fail "no window on a 100 MB line"
xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
# The peak is read until the program has ended: the pane paints after the window shows.
xdotool key alt+x
peak=0
for _ in $(seq 300); do
  now=$(awk '/VmHWM/ {print $2}' "/proc/$app/status" 2>/dev/null) || break
  [ -n "$now" ] || break
  peak=$now
  sleep 0.1
done
kill -0 "$app" 2>/dev/null && fail "Alt+X did not end the program on a 100 MB line"
[ $((SECONDS - started)) -le 30 ] || fail "a 100 MB line took $((SECONDS - started)) s"
[ "$peak" -lt 1048576 ] || fail "a 100 MB line took $peak kB"
echo "kept e2e: ok (100 MB line: $((SECONDS - started)) s, peak $peak kB)"
