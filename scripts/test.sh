#!/usr/bin/env bash
# Installs what the tests need, builds everything and runs every test.
# WRENNET_WERROR=ON in the environment makes every compiler warning an error;
# unset, it is passed as OFF, so that an earlier run's cached ON does not stay.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DWRENNET_WERROR="${WRENNET_WERROR:-OFF}" >/dev/null
cmake --build build
ctest --test-dir build --output-on-failure -j2
