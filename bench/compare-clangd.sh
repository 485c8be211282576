#!/usr/bin/env bash
# Completion in the editor, side by side with clangd: one generated header of
# 100,000 prototypes `int F0(...)` .. `int F99999(...)`, a C file that includes
# it and has just typed `F4711`, and the same client (lsp/lsp_bench_client.py)
# driving `clangd` and `wrennet-cli lsp --library HEADER` in turn. For each it
# prints the time from starting the server until its completion offers F4711,
# the median of ROUNDS completion round trips and the peak resident memory,
# then Wrennet's figures as fractions of clangd's.
#
#   bench/compare-clangd.sh BUILD_DIR [ROUNDS]
set -eu
build_dir=$(realpath "${1:?usage: $0 BUILD_DIR [ROUNDS]}")
rounds=${2:-200}
command -v clangd >/dev/null || { echo "clangd is missing: apt-get install -y clangd" >&2; exit 1; }
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Four shapes of parameter list in turn, so that neither server sees one
# prototype repeated.
awk 'BEGIN {
    split("void|int a|int a, long b|const char *s, unsigned n, int flags", shapes, "|")
    print "#ifndef BENCH_H\n#define BENCH_H"
    for (i = 0; i < 100000; ++i) printf "int F%d(%s);\n", i, shapes[i % 4 + 1]
    print "#endif"
}' >"$work/bench.h"
cat >"$work/main.c" <<'C'
#include "bench.h"

int main(void)
{
    return F4711
}
C

client=(python3 "$here/lsp/lsp_bench_client.py" --source "$work/main.c" --word F4711 --rounds "$rounds" --)
read -r c_ready c_median c_peak c_items c_tries <<<"$("${client[@]}" clangd --log=error)"
read -r w_ready w_median w_peak w_items w_tries <<<"$("${client[@]}" "$build_dir/wrennet-cli" lsp --library "$work/bench.h")"

printf 'header: %d prototypes, %d bytes; %d completion round trips each\n' \
    100000 "$(stat -c %s "$work/bench.h")" "$rounds"
printf '              ready s  completion median ms  peak MB  items  requests until ready\n'
printf 'clangd       %8.3f  %20.3f  %7.1f  %5d  %d\n' "$c_ready" "$c_median" "$c_peak" "$c_items" "$c_tries"
printf 'wrennet-cli  %8.3f  %20.3f  %7.1f  %5d  %d\n' "$w_ready" "$w_median" "$w_peak" "$w_items" "$w_tries"
awk -v cr="$c_ready" -v wr="$w_ready" -v cm="$c_median" -v wm="$w_median" -v cp="$c_peak" -v wp="$w_peak" 'BEGIN {
    printf "wrennet / clangd: ready %.3f (target <= 0.1), completion %.2f (<= 1), peak %.3f (<= 0.25)\n",
        wr / cr, wm / cm, wp / cp }'
