#!/usr/bin/env bash
# Installs what Wrennet needs, builds it, and starts it on the bundled sample
# library. The first start lists the samples that the build placed beside the
# program, and points help at the build's copy of the HTML guide.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target wrennet wrennet-cli

if [ ! -e build/Wrennet.ini ]; then
  b="$(pwd)/build"
  printf '[Libraries]\n%s=Yes\n%s=Yes\n%s=Yes\n[Last]\nLibrary=%s\nUrl=%s\n' \
    "$b/LibZet4410.s79" "$b/samples/Include/Port.h" "$b/samples/Asm/PortLib.s79" \
    "$b/LibZet4410.s79" "$b/help/" > build/Wrennet.ini
fi

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "Wrennet is built (build/wrennet), but this session has no display to show it on." >&2
  echo "Run it from a desktop session, or take a picture under Xvfb:" >&2
  echo "  xvfb-run -a build/wrennet" >&2
  exit 1
fi
exec build/wrennet
