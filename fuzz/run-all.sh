#!/usr/bin/env bash
# Runs every fuzzer for SECONDS each, one after the other, starting from the
# seeds in fuzz/seeds/<target>/. Fails when any fuzzer finds a crash, a leak
# or a broken invariant (the crash input is kept and its path printed).
#
#   fuzz/run-all.sh SECONDS BUILD_DIR
set -u
if [ $# -ne 2 ]; then
    echo "usage: $0 SECONDS BUILD_DIR" >&2
    exit 2
fi
seconds=$1
build_dir=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
status=0
for target in fuzz_scanner fuzz_lookup fuzz_settings fuzz_normalise fuzz_lsp; do
    exe="$build_dir/$target"
    [ -x "$exe" ] || exe="$build_dir/fuzz/$target"
    if [ ! -x "$exe" ]; then
        echo "$target: not built in $build_dir" >&2
        status=1
        continue
    fi
    corpus="$work/$target"
    mkdir -p "$corpus" "$work/artifacts"
    [ -d "$here/seeds/$target" ] && cp "$here/seeds/$target"/* "$corpus"/
    echo "== $target for ${seconds}s"
    if ! "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$work/artifacts/$target-" -print_final_stats=1 "$corpus" \
        >"$work/$target.log" 2>&1; then
        echo "$target: FAILED" >&2
        tail -40 "$work/$target.log" >&2
        ls "$work/artifacts" >&2
        status=1
        continue
    fi
    grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb)|cov: " "$work/$target.log" | tail -3
done
if [ "$status" -eq 0 ]; then rm -rf "$work"; else echo "kept: $work" >&2; fi
exit "$status"
