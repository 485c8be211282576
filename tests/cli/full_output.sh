#!/usr/bin/env bash
# Output that cannot be written is an error: a script reading exit status 0
# must be able to rely on having got all of it.
#   full_output.sh PATH/TO/wrennet-cli SOURCE_DIR
set -uo pipefail
cli=$1 source=$2
lib=$source/resources/samples/Include/Port.h
proto='int PortRead(int port, int mode)'
err=$(mktemp)
trap 'rm -f "$err"' EXIT
failed=0

for args in "list $lib" "show $lib PROTO" "params $lib PROTO" "call $lib PROTO 1" "--help" "--version"; do
  # shellcheck disable=SC2086  # the arguments are split on purpose
  set -- $args
  [ "$#" -ge 3 ] && set -- "$1" "$2" "$proto" "${@:4}"
  "$cli" "$@" >/dev/full 2>"$err"
  got=$?
  if [ "$got" != 1 ] || ! grep -q "^Could not write the output: No space left on device$" "$err"; then
    echo "FAIL: $args > /dev/full: exit $got, stderr: $(head -c 200 "$err")" >&2
    failed=1
  fi
  # The same command into a working pipe still succeeds.
  if ! "$cli" "$@" 2>/dev/null | cat >/dev/null; then
    echo "FAIL: $args into a pipe" >&2
    failed=1
  fi
done
[ "$failed" = 0 ] && echo "full output: ok"
exit "$failed"
