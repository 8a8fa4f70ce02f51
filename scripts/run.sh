#!/usr/bin/env bash
# Builds VORK and runs it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build build -j "$(nproc)" --target vork-sim
if [ $# -eq 0 ]; then
  set -- eval --set M21=48.5 "(M21-10)*2,5/5"
fi
exec build/vork-sim "$@"
