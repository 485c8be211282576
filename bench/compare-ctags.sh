#!/usr/bin/env bash
# Lists the prototypes of the C headers of this machine (see c-headers.sh) with
# `wrennet-cli list` and with universal-ctags' prototype kind, and prints both
# times and the ratio.
#
# ctags reads the headers as separate files, as it is meant to be used (it loses
# its way in one concatenated file, where the preprocessor conditionals of many
# headers run into each other); wrennet-cli reads the same bytes concatenated
# into one library.
#
#   bench/compare-ctags.sh BUILD_DIR [RUNS]
set -eu
build_dir=$(realpath "${1:?usage: $0 BUILD_DIR [RUNS]}")
runs=${2:-3}
command -v ctags >/dev/null || { echo "ctags is missing: apt-get install -y universal-ctags" >&2; exit 1; }
here=$(cd "$(dirname "$0")" && pwd)
source "$here/c-headers.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

write_c_headers "$work/all.h" "$work/headers"
mapfile -t files <"$work/headers"
cat "$work/all.h" >/dev/null  # warm the page cache
cli="$build_dir/wrennet-cli"
ctags_run() { ctags -x --langmap=C:+.h --kinds-C=p "${files[@]}"; }

read -r w_wall w_cpu <<<"$(best_of "$runs" "$cli" list "$work/all.h")"
read -r c_wall c_cpu <<<"$(best_of "$runs" ctags_run)"

printf 'input: %d bytes in %d headers; best of %d runs\n' "$(stat -c %s "$work/all.h")" \
    "${#files[@]}" "$runs"
printf '                   wall s   cpu s\n'
printf 'wrennet-cli list:  %6.3f  %6.3f  %6d prototypes\n' "$w_wall" "$w_cpu" \
    "$("$cli" list "$work/all.h" | wc -l)"
printf 'ctags --kinds-C=p: %6.3f  %6.3f  %6d prototypes\n' "$c_wall" "$c_cpu" "$(ctags_run | wc -l)"
awk -v cw="$c_wall" -v ww="$w_wall" -v cc="$c_cpu" -v wc="$w_cpu" 'BEGIN {
    printf "ratio ctags / wrennet-cli: wall %.1f, cpu %.1f\n", (ww > 0 ? cw / ww : 0), (wc > 0 ? cc / wc : 0) }'
