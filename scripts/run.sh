#!/usr/bin/env bash
# Builds VORK and starts the program `vork` on the basic flow loop example. On a machine without
# a display it says so and writes the example's screenshots instead. Arguments go to the
# command-line front end vork-sim instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset dev > /dev/null
example="examples/basic flow loop/basic flow loop.smp"

if [ $# -gt 0 ]; then
  cmake --build --preset dev -j "$(nproc)" --target vork-sim
  exec build/vork-sim "$@"
fi

cmake --build --preset dev -j "$(nproc)" --target vork
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec build/vork "$example"
fi
echo "No display here: writing the screenshots of the basic flow loop example to build/screenshots/ instead."
QT_QPA_PLATFORM=offscreen exec build/vork --screenshots build/screenshots "$example"
