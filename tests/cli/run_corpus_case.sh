#!/usr/bin/env bash
# Runs every command of one corpus case and compares stdout, stderr and the
# exit status with the expected files, byte for byte.
#
#   run_corpus_case.sh WRENNET_CLI CASE_DIR
#
# A case folder holds input/ (the libraries and sources) and, per run NAME,
# NAME.cmd (the arguments, one per line; an empty line is an empty argument),
# NAME.out, NAME.err and NAME.status. The command runs inside input/, so the
# paths in messages are the relative paths of the command and the case runs
# from any clone location.
set -u
cli=$(realpath "$1")
case_dir=$(realpath "$2")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

failures=0
runs=0
for cmd in "$case_dir"/*.cmd; do
    run=$(basename "$cmd" .cmd)
    runs=$((runs + 1))
    mapfile -t args <"$cmd"
    (cd "$case_dir/input" && "$cli" "${args[@]}" >"$scratch/out" 2>"$scratch/err")
    echo "$?" >"$scratch/status"
    for part in out err status; do
        if ! cmp -s "$case_dir/$run.$part" "$scratch/$part"; then
            echo "FAIL $run: $part differs (expected, then actual)"
            diff <(od -c "$case_dir/$run.$part") <(od -c "$scratch/$part") | head -20
            failures=$((failures + 1))
        fi
    done
done
if [ "$runs" -eq 0 ]; then
    echo "no runs in $case_dir"
    exit 1
fi
echo "$runs runs, $failures differences"
[ "$failures" -eq 0 ]
