#!/usr/bin/env bash
# Installs what the tests need, builds everything and runs every test.
# WRENNET_WERROR=ON in the environment makes every compiler warning an error.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja ${WRENNET_WERROR:+-DWRENNET_WERROR="$WRENNET_WERROR"} >/dev/null
cmake --build build
ctest --test-dir build --output-on-failure -j2
