#!/usr/bin/env bash
# Times the fast simulation over 4 hours at 100 ms (144000 evaluation passes) on the benchmark
# plant and on the basic flow loop example, with the reference, fast and bare evaluation paths, and
# prints the seconds and the ratios reference/fast and fast/bare. The bare path is plain double
# arithmetic without the evaluator's text semantics: the limit the fast path is measured against.
# It exists only in the benchmark build (preset bench, VORK_BARE_ARITHMETIC), whose fast_run_bench
# times all three paths.
#
# Run from the repository root:  bench/fast_sim_bench.sh [REPETITIONS]
# Builds build-bench/ with the bench preset first. The fast and bare times are the best of
# REPETITIONS runs (default 5); the reference runs once.
set -euo pipefail

repetitions=${1:-5}

cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
bench=build-bench/bench/fast_run_bench

example="examples/basic flow loop/basic flow loop.smp"

best() {
    local file=$1 path=$2 best="" t
    for ((i = 0; i < repetitions; ++i)); do
        t=$("$bench" "$file" "$path")
        if [[ -z "$best" ]] || awk -v a="$t" -v b="$best" 'BEGIN { exit !(a < b) }'; then
            best=$t
        fi
    done
    echo "$best"
}

printf '%-28s %10s %10s %10s %10s %10s\n' "project (4 h at 100 ms)" "reference" "fast" "bare" \
    "ref/fast" "fast/bare"
for file in bench/plants/full.smp "$example"; do
    reference=$("$bench" "$file" reference)
    fast=$(best "$file" fast)
    bare=$(best "$file" bare)
    awk -v name="$(basename "$file")" -v r="$reference" -v f="$fast" -v b="$bare" 'BEGIN {
        printf "%-28s %9.3fs %9.3fs %9.3fs %9.1fx %9.2fx\n", name, r, f, b, r / f, f / b
    }'
done
