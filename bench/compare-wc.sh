#!/usr/bin/env bash
# Times `wrennet-cli list` against `wc -l` on the same file: the C headers of
# this machine concatenated (see c-headers.sh). `wc -l` only reads the bytes and
# counts line ends, so the ratio says how far the listing is from reading speed.
# With a second build folder, also checks that both builds list the same bytes.
#
#   bench/compare-wc.sh BUILD_DIR [REFERENCE_BUILD_DIR] [RUNS]
set -eu
build_dir=$(realpath "${1:?usage: $0 BUILD_DIR [REFERENCE_BUILD_DIR] [RUNS]}")
reference=${2:-}
runs=${3:-10}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/c-headers.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

write_c_headers "$work/all.h" "$work/headers"
cat "$work/all.h" >/dev/null  # warm the page cache
cli="$build_dir/wrennet-cli"

# One run of each in turn, so that a neighbour's build slows both alike.
wrennet="" count=""
for _ in $(seq "$runs"); do
    wrennet=$(echo "$wrennet" "$(best_of 1 "$cli" list "$work/all.h")" | awk '{
        if (NF == 2) print; else printf "%s %s\n", ($3 < $1 ? $3 : $1), ($4 < $2 ? $4 : $2) }')
    count=$(echo "$count" "$(best_of 1 wc -l "$work/all.h")" | awk '{
        if (NF == 2) print; else printf "%s %s\n", ($3 < $1 ? $3 : $1), ($4 < $2 ? $4 : $2) }')
done

"$cli" list "$work/all.h" >"$work/list"
printf 'input: %d bytes, %d lines, %d headers; best of %d runs\n' "$(stat -c %s "$work/all.h")" \
    "$(wc -l <"$work/all.h")" "$(wc -l <"$work/headers")" "$runs"
read -r w_wall w_cpu <<<"$wrennet"
read -r c_wall c_cpu <<<"$count"
printf '                  wall s   cpu s\n'
printf 'wrennet-cli list: %6.3f  %6.3f   %d prototypes\n' "$w_wall" "$w_cpu" "$(wc -l <"$work/list")"
printf 'wc -l:            %6.3f  %6.3f\n' "$c_wall" "$c_cpu"
awk -v cw="$c_wall" -v ww="$w_wall" -v cc="$c_cpu" -v wc="$w_cpu" 'BEGIN {
    printf "ratio wrennet-cli / wc -l: wall %.2f, cpu %.2f\n", (cw > 0 ? ww / cw : 0), (cc > 0 ? wc / cc : 0) }'
if [ -n "$reference" ]; then
    "$(realpath "$reference")/wrennet-cli" list "$work/all.h" >"$work/reference"
    if cmp -s "$work/list" "$work/reference"; then
        echo "list: identical to the list of $reference"
    else
        echo "list: DIFFERS from the list of $reference" >&2
        exit 1
    fi
fi
