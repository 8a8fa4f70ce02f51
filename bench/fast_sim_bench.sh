#!/usr/bin/env bash
# Times `vork-sim run` over 4 hours at 100 ms (144000 evaluation passes) on the benchmark plant
# and on the basic flow loop example, with the reference, fast and bare evaluation paths, and
# prints the seconds and the ratios reference/fast and fast/bare. The bare path is plain double
# arithmetic without the evaluator's text semantics: the limit the fast path is measured against.
#
# Run from the repository root:  bench/fast_sim_bench.sh [REPETITIONS]
# Builds build-bench/ (Release) with cmake first. The fast and bare times are the best of
# REPETITIONS runs (default 5); the reference runs once.
set -euo pipefail

repetitions=${1:-5}
build=build-bench

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORK_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target vork-sim >/dev/null
sim="$build/vork-sim"

example="examples/basic flow loop/basic flow loop.smp"

# Seconds of one run as vork-sim reports them ("elapsed: X s" on standard error).
elapsed() {
    local file=$1 path=$2
    "$sim" run "$file" --window 4h --dt 100ms --seed 1 --path "$path" 2>&1 >/dev/null |
        sed -n 's/^elapsed: \([0-9.]*\) s$/\1/p'
}

best() {
    local file=$1 path=$2 best="" t
    for ((i = 0; i < repetitions; ++i)); do
        t=$(elapsed "$file" "$path")
        if [[ -z "$best" ]] || awk -v a="$t" -v b="$best" 'BEGIN { exit !(a < b) }'; then
            best=$t
        fi
    done
    echo "$best"
}

printf '%-28s %10s %10s %10s %10s %10s\n' "project (4 h at 100 ms)" "reference" "fast" "bare" \
    "ref/fast" "fast/bare"
for file in bench/plants/full.smp "$example"; do
    reference=$(elapsed "$file" reference)
    fast=$(best "$file" fast)
    bare=$(best "$file" bare)
    awk -v name="$(basename "$file")" -v r="$reference" -v f="$fast" -v b="$bare" 'BEGIN {
        printf "%-28s %9.3fs %9.3fs %9.3fs %9.1fx %9.2fx\n", name, r, f, b, r / f, f / b
    }'
done
