# What the keyboard-driven scripts share, sourced with a name for their
# messages and the program: the program copied into a fresh folder (its
# Wrennet.ini goes beside it), a virtual X server of its own, and steps that
# wait for what they need, up to 10 s, since the machine may be busy.
#   source x_session.sh NAME PATH/TO/wrennet
set -euo pipefail
name=$1
# A library whose path holds ".h" past its third byte is read as a C header,
# folders included: mktemp's own "tmp.XXXXXXXXXX" made one run in thirty read
# the assembler library as a header, which lists nothing.
work=$(mktemp -d "${TMPDIR:-/tmp}/wrennet-e2e-XXXXXX")
trap 'kill "${app:-}" 2>/dev/null || true; kill "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"' EXIT
cp "$(readlink -f "$2")" "$work/wrennet"

fail() { echo "$name: $*" >&2; exit 1; }
wait_for() { for _ in $(seq 100); do eval "$1" && return 0; sleep 0.1; done; return 1; }
windows() { xdotool search --onlyvisible --pid "$app" 2>/dev/null | wc -l; }

# Writes the settings of a run on $work/Port.s79 alone, with `$1` as the last
# choice.
remember_port_library() {
  printf '[Last]\nIntro=No\nChoice=%s\nLibrary=%s\n[Libraries]\n%s=Yes\n' \
    "$1" "$work/Port.s79" "$work/Port.s79" > "$work/Wrennet.ini"
}

# Starts the X server (which picks a free display itself, so that scripts
# running side by side never share one), then the program with the given
# arguments, and waits for its window to have the focus; `shown` counts the
# program's windows.
start_window() {
  Xvfb -displayfd 3 -noreset -screen 0 1280x1024x24 3>"$work/display" >/dev/null 2>&1 & xvfb=$!
  wait_for '[ -s "$work/display" ]' || fail "the X server did not start"
  export DISPLAY=":$(cat "$work/display")"
  wait_for 'xdotool getmouselocation >/dev/null 2>&1' || true
  "$work/wrennet" "$@" >/dev/null 2>&1 & app=$!
  window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Wrennet$' | head -1)
  [ -n "$window" ] || fail "the window did not show"
  xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
  wait_for '[ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ]' || true
  shown=$(windows)
}

# Alt+F focuses the function list and Alt+Down opens it.
open_function_list() {
  xdotool key alt+f
  sleep 0.3
  xdotool key alt+Down
  wait_for '[ "$(windows)" -gt "$shown" ]' || fail "the function list did not open"
}

# Alt+X is E&xit.
exit_window() {
  xdotool key alt+x
  wait_for '! kill -0 "$app" 2>/dev/null' || fail "Alt+X did not end the program"
}
