#!/usr/bin/env bash
# Builds VORK and runs every test: formatting, the warnings-as-errors build with its tests (the
# window tests on the offscreen platform, and `vork --screenshots` once under Xvfb), and the core
# tests again under AddressSanitizer and UndefinedBehaviorSanitizer (without the Qt program, to
# keep the whole run within CI's time).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs=$(nproc)

echo "== Formatting"
git ls-files -- 'src/*' 'tests/*' 'bench/*' 'fuzz/*' 'tools/*' | grep -E '\.(cpp|h)$' |
  xargs -r clang-format --dry-run -Werror

echo "== Build and test"
cmake --preset dev
cmake --build --preset dev -j "$jobs"
ctest --preset dev -j "$jobs"

echo "== Sanitizers"
cmake --preset asan
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs"
