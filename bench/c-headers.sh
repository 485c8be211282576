#!/usr/bin/env bash
# Writes the C headers of this machine into one file, for the comparisons with
# other tools: every *.h under /usr/include (sorted, so runs agree) that holds
# no line starting a C++ namespace, template or class. C++ headers are left out
# because the prototype kind of the tag tool loses its way in them.
#
#   source bench/c-headers.sh; write_c_headers OUT_FILE LIST_FILE
#     OUT_FILE   the concatenation
#     LIST_FILE  the header paths, one a line
write_c_headers() {
    local out=$1 list=$2
    find /usr/include -name '*.h' -type f | LC_ALL=C sort |
        xargs -d '\n' grep -L -E '^\s*(namespace\b|template\s*<|class\s+[A-Za-z_]\w*\s*(:|\{|$))' |
        LC_ALL=C sort >"$list"
    xargs -d '\n' cat <"$list" >"$out"
}

# best_of N command... : the best wall time and the best CPU time (user + system)
# in seconds over N runs, output discarded. On a shared machine the CPU time is
# the steadier of the two.
best_of() {
    local runs=$1 wall="" cpu="" t
    shift
    for _ in $(seq "$runs"); do
        t=$( { TIMEFORMAT='%3R %3U %3S'; time "$@" >/dev/null 2>&1; } 2>&1 )
        read -r wall cpu <<<"$(awk -v t="$t" -v w="$wall" -v c="$cpu" 'BEGIN {
            split(t, f, " "); u = f[2] + f[3]
            printf "%s %s\n", (w == "" || f[1] < w) ? f[1] : w, (c == "" || u < c) ? u : c }')"
    done
    echo "$wall $cpu"
}
