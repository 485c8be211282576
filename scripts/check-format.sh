#!/usr/bin/env bash
# Checks that every C++ file of the project is as clang-format (the .clang-format
# beside this folder) writes it; names the files that are not. The libraries and
# headers that tests and samples read as input are data, not code, and are left
# as they are.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h' |
    grep -v -E '^(tests/corpus|tests/ui/scenarios|resources/samples)/')
# One run over all files; only when it fails are they asked one by one, to name them.
if clang-format --dry-run --Werror "${files[@]}" >/dev/null 2>&1; then
    echo "format: ${#files[@]} files as clang-format writes them"
    exit 0
fi
unformatted=()
for file in "${files[@]}"; do
    clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done
if [ ${#unformatted[@]} -ne 0 ]; then
    echo "not as clang-format writes them (run clang-format -i on them):" >&2
    printf '  %s\n' "${unformatted[@]}" >&2
    exit 1
fi
echo "format: ${#files[@]} files as clang-format writes them"
