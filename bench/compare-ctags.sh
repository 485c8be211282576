#!/usr/bin/env bash
# Lists the prototypes of the same real-world headers with `wrennet-cli list`
# and with universal-ctags' prototype kind, and prints both times and the ratio.
#
# The headers are every /usr/include/*.h, copied COPIES times (default 12) into
# folders of their own. ctags reads the copies as separate files, as it is meant
# to be used (it loses its way in one concatenated file, where the preprocessor
# conditionals of many headers run into each other); wrennet-cli reads the same
# bytes concatenated into one library.
#
#   bench/compare-ctags.sh BUILD_DIR [COPIES]
set -eu
build_dir=$(realpath "${1:?usage: $0 BUILD_DIR [COPIES]}")
copies=${2:-12}
command -v ctags >/dev/null || { echo "ctags is missing: apt-get install -y universal-ctags" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

headers=(/usr/include/*.h)
for i in $(seq "$copies"); do
    mkdir "$work/copy$i"
    cp "${headers[@]}" "$work/copy$i/"
done
files=("$work"/copy*/*.h)
cat "${files[@]}" >"$work/all.h"
cat "$work/all.h" >/dev/null  # warm the page cache

best_of_three() { # command... : the best wall time in seconds, output discarded
    local best="" t
    for _ in 1 2 3; do
        t=$( { TIMEFORMAT=%R; time "$@" >/dev/null 2>&1; } 2>&1 )
        best=$(awk -v a="$t" -v b="$best" 'BEGIN { print (b == "" || a < b) ? a : b }')
    done
    echo "$best"
}
wrennet=$(best_of_three "$build_dir/wrennet-cli" list "$work/all.h")
ctags_time=$(best_of_three ctags -x --langmap=C:+.h --kinds-C=p "${files[@]}")

printf 'input: %d bytes in %d files (/usr/include/*.h, %d copies)\n' \
    "$(stat -c %s "$work/all.h")" "${#files[@]}" "$copies"
printf 'wrennet-cli list:  %6.3f s  %6d prototypes\n' "$wrennet" \
    "$("$build_dir/wrennet-cli" list "$work/all.h" | wc -l)"
printf 'ctags --kinds-C=p: %6.3f s  %6d prototypes\n' "$ctags_time" \
    "$(ctags -x --langmap=C:+.h --kinds-C=p "${files[@]}" | wc -l)"
awk -v c="$ctags_time" -v w="$wrennet" 'BEGIN { printf "ratio ctags / wrennet-cli: %.1f\n", (w > 0 ? c / w : 0) }'
