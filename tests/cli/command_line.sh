#!/usr/bin/env bash
# How both programs answer their command line, without a display.
#   command_line.sh PATH/TO/wrennet-cli [PATH/TO/wrennet]
set -uo pipefail
cli=$1 window=${2:-}
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
failed=0

# program | arguments | exit status | what standard output starts with | standard error starts with
check() {
  local program=$1 args=$2 status=$3 stdout=$4 stderr=$5
  [ -n "$program" ] || return 0
  # shellcheck disable=SC2086  # the arguments are split on purpose
  env -u DISPLAY -u WAYLAND_DISPLAY "$program" $args >"$out" 2>"$err"
  local got=$?
  if [ "$got" != "$status" ] || [[ "$(cat "$out")" != "$stdout"* ]] || [[ "$(cat "$err")" != "$stderr"* ]] ||
     { [ -z "$stdout" ] && [ -s "$out" ]; } || { [ -z "$stderr" ] && [ -s "$err" ]; }; then
    echo "FAIL: $(basename "$program") $args: exit $got" >&2
    echo "  stdout: $(head -c 200 "$out")" >&2
    echo "  stderr: $(head -c 200 "$err")" >&2
    failed=1
  fi
}

check "$cli"    "--help"          0 "usage: wrennet-cli list LIB" ""
check "$cli"    "-h"              0 "usage: wrennet-cli list LIB" ""
check "$cli"    "--version"       0 "Wrennet 2.0" ""
check "$cli"    ""                2 "" "usage: wrennet-cli list LIB"
check "$cli"    "--help extra"    2 "" "usage: wrennet-cli list LIB"
check "$cli"    "list"            2 "" "usage: wrennet-cli list LIB"
check "$cli"    "--frobnicate"    2 "" "usage: wrennet-cli list LIB"
check "$cli"    "lsp --library"   2 "" "usage: wrennet-cli list LIB"
check "$cli"    "lsp --libraries x" 2 "" "usage: wrennet-cli list LIB"
check "$window" "--help"          0 "usage: wrennet [--help | --version]" ""
check "$window" "--version"       0 "Wrennet 2.0" ""
[ "$failed" = 0 ] && echo "command line: ok"
exit "$failed"
