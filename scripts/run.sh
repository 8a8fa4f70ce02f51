#!/usr/bin/env bash
# Builds VORK and runs it: by default a fast simulation of the basic flow loop example with a
# 10 % set-point step, printing the loop's performance indices. Arguments go to vork-sim instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset dev > /dev/null
cmake --build --preset dev -j "$(nproc)" --target vork-sim
if [ $# -eq 0 ]; then
  set -- run "examples/basic flow loop/basic flow loop.smp" --step sp:10
fi
exec build/vork-sim "$@"
