#!/usr/bin/env bash
# Installs what Wrennet needs, builds it, and starts it. On the first start the
# bundled sample libraries are put in its list, so there is something to look at.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target wrennet wrennet-cli

if [ ! -e build/Wrennet.ini ]; then
  samples="$(pwd)/resources/samples"
  printf '[Libraries]\n%s=Yes\n%s=Yes\n[Last]\nLibrary=%s\n' \
    "$samples/Include/Port.h" "$samples/Asm/PortLib.s79" "$samples/Include/Port.h" > build/Wrennet.ini
fi

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "Wrennet is built (build/wrennet), but this session has no display to show it on." >&2
  echo "Run it from a desktop session, or take a picture under Xvfb:" >&2
  echo "  xvfb-run -a build/wrennet" >&2
  exit 1
fi
exec build/wrennet
