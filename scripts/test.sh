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
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORK_WERROR=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== Sanitizers"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVORK_WERROR=ON -DVORK_SANITIZE=ON \
  -DVORK_APP=OFF
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"
