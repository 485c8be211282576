#!/usr/bin/env bash
# Peak memory of `wrennet-cli list` on generated 64 MB and 256 MB headers: the
# scan streams the file, so the peak should follow the entries, not the file.
#
#   bench/measure-memory.sh BUILD_DIR      (needs core_bench and wrennet-cli built)
#
# Uses GNU time (Debian package "time").
set -eu
build_dir=$(realpath "${1:?usage: $0 BUILD_DIR}")
if [ ! -x /usr/bin/time ]; then
    echo "GNU time is missing: apt-get install -y time" >&2
    exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for megabytes in 64 256; do
    header="$work/device$megabytes.h"
    "$build_dir/core_bench" --make-header "$header" "$megabytes"
    /usr/bin/time -v "$build_dir/wrennet-cli" list "$header" >"$work/entries" 2>"$work/time"
    rss=$(sed -n 's/^\s*Maximum resident set size (kbytes): //p' "$work/time")
    wall=$(sed -n 's/^\s*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$work/time")
    printf '%4d MB header: %8d entries, max RSS %7d kB, wall %s\n' \
        "$megabytes" "$(wc -l <"$work/entries")" "$rss" "$wall"
done
