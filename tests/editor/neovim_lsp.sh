#!/usr/bin/env bash
# A real editor against a language server: headless Neovim opens a C file that
# calls the sample library, asks for completion, hover and signature help,
# fixes a call and reads the diagnostics, all through its built-in client
# (lsp_session.lua). clangd shows the session itself works; wrennet shows
# what our server offers.
#
#   neovim_lsp.sh clangd
#   neovim_lsp.sh wrennet WRENNET_CLI
set -u
here=$(cd "$(dirname "$0")" && pwd)
samples="$here/../../resources/samples"
server=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

mkdir -p "$scratch/project/Include" "$scratch/project/Src" "$scratch/cache"
cp "$samples/Include/Port.h" "$scratch/project/Include/"
cp "$samples/Src/Port.c" "$scratch/project/Src/"
cat >"$scratch/project/main.c" <<'C'
#include "Include/Port.h"

int main(void)
{
    (void)PortRe;
    PortRead(1, RD);
    PortWrite(9, 300);
    return 0;
}
C

case "$server" in
clangd) command_line=$(printf 'clangd\t--log=error') ;;
wrennet) command_line=$(printf '%s\tlsp\t--library\t%s' "$(realpath "$2")" "$scratch/project/Include/Port.h") ;;
*) echo "unknown server $server" >&2; exit 2 ;;
esac

export SESSION_CMD=$command_line
export SESSION_FILE=$scratch/project/main.c
export SESSION_COMPLETE=4:16 SESSION_HOVER=5:6 SESSION_SIGNATURE=5:16
export SESSION_FIX='6:    PortWrite(1, 200);'
export SESSION_OUT=$scratch/seen.txt
# Neovim's own log and state stay in the scratch folder, never in $HOME.
export XDG_CACHE_HOME=$scratch/cache XDG_STATE_HOME=$scratch/cache XDG_DATA_HOME=$scratch/cache

(cd "$scratch/project" && timeout 120 nvim --headless --clean -n -i NONE -c "luafile $here/lsp_session.lua")
status=$?
echo "--- what Neovim saw (nvim exit $status)"
cat "$SESSION_OUT" 2>/dev/null
[ "$status" -eq 0 ] || exit 1

failures=0
expect() {  # expect DESCRIPTION EXTENDED-REGEX: one line of what was seen must match
    if ! grep -Eq -- "$2" "$SESSION_OUT"; then
        echo "FAIL: $1 (no line matches: $2)"
        failures=$((failures + 1))
    fi
}

case "$server" in
clangd)
    expect "completion offers PortRead" '^completion .*PortRead\(int port, int mode\)'
    expect "completion offers PortReset" '^completion .*PortReset'
    expect "hover names the function" '^hover .*PortRead'
    expect "signature help on the second parameter" '^signature .*PortRead\(int port, int mode\).* \| active parameter 1 \| parameters 2$'
    expect "the undeclared name is reported" '^diagnostic 4:10-4:16 severity 1: .*PortRe'
    ;;
wrennet)
    expect "completion offers PortRead with its value lists" \
        '^completion int PortRead\(int port, int mode\) \| filter PortRead \| format 2 \| inserts PortRead\(\$\{1\|0,1,2,3\|\}, ?\$\{2\|RD,WR\|\}\)$'
    expect "completion offers PortReset" '^completion void PortReset\(void\) \| filter PortReset '
    expect "completion offers nothing else" '^completion items 2 '
    expect "hover shows the documentation and the definition" '^hover ```c\\n/\*\*\\n \* @brief int PortRead reads .*\\nint PortRead\(int port, int mode\)'
    expect "signature help on the second parameter" '^signature int PortRead\(int port, int mode\) \| active parameter 1 \| parameters 2$'
    expect "two literals outside their lists" '^diagnostics 2$'
    expect "the port outside its list" '^diagnostic 6:14-6:15 severity 2: .*port'
    expect "the value outside its range" '^diagnostic 6:17-6:20 severity 2: .*value'
    expect "the fixed call is clean" '^diagnostics after fix 0$'
    ;;
esac
[ "$failures" -eq 0 ] && echo "all as expected"
[ "$failures" -eq 0 ]
