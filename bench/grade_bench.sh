#!/usr/bin/env bash
# Times `vork-sim grade` over a class folder of 40 variants of the examples (every controller's
# Kc and Ti scaled differently per student), 4 hours at 100 ms each, with --jobs 1 and --jobs 2,
# prints the seconds and the speed-up, and checks that every CSV row equals `vork-sim run --csv`
# of its project.
#
# Run from the repository root:  bench/grade_bench.sh [REPETITIONS] [COUNT]
# Builds build-bench/ (Release) first. Times are the best of REPETITIONS runs (default 5), as
# grade reports them ("graded N projects in X s"). The machine should be otherwise idle: the
# speed-up needs both cores.
set -euo pipefail

repetitions=${1:-5}
count=${2:-40}
build=build-bench
options=(--window 4h --dt 100ms --step sp:10)

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORK_BUILD_BENCH=ON >/dev/null
cmake --build "$build" --target vork-sim make_grade_folder >/dev/null
sim="$build/vork-sim"

class=$(mktemp -d)
trap 'rm -rf "$class"' EXIT
examples=()
for file in examples/*/*.smp; do examples+=("$file"); done
"$build/bench/make_grade_folder" "$class/projects" "$count" "${examples[@]}"

# Seconds of one grading as grade reports them on standard error.
elapsed() {
    "$sim" grade "$class/projects" --jobs "$1" --csv "$class/jobs$1.csv" "${options[@]}" \
        2>&1 >/dev/null | sed -n 's/^graded [0-9]* projects in \([0-9.]*\) s.*$/\1/p'
}

best() {
    local best="" t
    for ((i = 0; i < repetitions; ++i)); do
        t=$(elapsed "$1")
        if [[ -z "$best" ]] || awk -v a="$t" -v b="$best" 'BEGIN { exit !(a < b) }'; then
            best=$t
        fi
    done
    echo "$best"
}

one=$(best 1)
two=$(best 2)
awk -v n="$count" -v a="$one" -v b="$two" 'BEGIN {
    printf "%d projects, 4 h at 100 ms each: --jobs 1 %.3f s, --jobs 2 %.3f s, speed-up %.2fx\n",
        n, a, b, a / b
}'

# Every row of the CSV is the project's path and what `run --csv` prints for it.
cmp -s "$class/jobs1.csv" "$class/jobs2.csv" || { echo "CSV differs between 1 and 2 jobs"; exit 1; }
mismatches=0
while IFS= read -r project; do
    expected=$("$sim" run "$class/projects/$project" --csv "${options[@]}" 2>/dev/null |
        sed "s|^|$project,|")
    actual=$(grep -F "$project," "$class/jobs2.csv" || true)
    [[ "$expected" == "$actual" ]] || { echo "differs: $project"; mismatches=$((mismatches + 1)); }
done < <(cd "$class/projects" && find . -name '*.smp' | sed 's|^\./||' | sort)
echo "CSV rows equal to vork-sim run --csv: $((count - mismatches)) of $count projects"
[[ $mismatches -eq 0 ]]
