#!/usr/bin/env bash
# Lists the prototypes of a large real-world header both with `wrennet-cli list`
# and with universal-ctags' prototype kind, and prints both times and the ratio.
# The header is every /usr/include/*.h concatenated, repeated to reach about
# TARGET_MB (default 40) megabytes.
#
#   bench/compare-ctags.sh BUILD_DIR [TARGET_MB]
set -eu
build_dir=$(realpath "${1:?usage: $0 BUILD_DIR [TARGET_MB]}")
target_mb=${2:-40}
command -v ctags >/dev/null || { echo "ctags is missing: apt-get install -y universal-ctags" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat /usr/include/*.h >"$work/once.h"
once=$(stat -c %s "$work/once.h")
header="$work/usr_include.h"
: >"$header"
while [ "$(stat -c %s "$header")" -lt $((target_mb * 1000 * 1000)) ]; do
    cat "$work/once.h" >>"$header"
done
size=$(stat -c %s "$header")

seconds() { # command... : wall seconds of one run, output discarded
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s.%N)
    echo "$end - $start" | bc -l
}
# Warm the page cache, then take the better of three runs of each.
cat "$header" >/dev/null
best() {
    local best_time=""
    for _ in 1 2 3; do
        t=$(seconds "$@")
        if [ -z "$best_time" ] || [ "$(echo "$t < $best_time" | bc -l)" = 1 ]; then best_time=$t; fi
    done
    echo "$best_time"
}
wrennet=$(best "$build_dir/wrennet-cli" list "$header")
ctags_time=$(best ctags -x --langmap=C:+.h --kinds-C=p "$header")

printf 'header: %d bytes (/usr/include/*.h, %d bytes, repeated)\n' "$size" "$once"
printf 'wrennet-cli list: %6.3f s  %4d prototypes\n' "$wrennet" "$("$build_dir/wrennet-cli" list "$header" | wc -l)"
printf 'ctags --kinds-C=p: %6.3f s  %4d prototypes\n' "$ctags_time" \
    "$(ctags -x --langmap=C:+.h --kinds-C=p "$header" | wc -l)"
printf 'ratio ctags / wrennet-cli: %.2f\n' "$(echo "$ctags_time / $wrennet" | bc -l)"
