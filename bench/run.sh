#!/usr/bin/env bash
# Builds the benchmarks in Release, runs them with repetitions and writes
# bench/RESULTS.md. Every figure there is a ratio to a baseline measured in
# the same run:
#   - CPU time, median of the repetitions (Google Benchmark, JSON output);
#   - instructions per iteration of the small benchmarks and of the arrays of
#     1000 numbers, counted by callgrind from two runs of fixed length (steady
#     where the load on the machine makes times wander);
#   - comparisons per append of the sorted list, counted by callgrind.
#
# Environment: QZUNIT_BENCH_BUILD (build directory, default build-bench),
# QZUNIT_BENCH_REPETITIONS (default 5), QZUNIT_BENCH_NO_CALLGRIND=1 to skip
# the counts.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build=${QZUNIT_BENCH_BUILD:-$root/build-bench}
repetitions=${QZUNIT_BENCH_REPETITIONS:-5}
work=$build/bench-run
mkdir -p "$work"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release \
    -DQZUNIT_BUILD_TESTS=OFF -DQZUNIT_BUILD_TOOLS=OFF -DQZUNIT_BUILD_BENCHMARKS=ON >"$work/configure.log"
cmake --build "$build" -j"$(nproc)" --target qzunit_bench >"$work/build.log"
# As hosts ship: the flags the benchmarks were compiled with, read back from the build.
build_type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")
flags=$(sed -n 's/^CXX_FLAGS = //p' "$build/bench/CMakeFiles/qzunit_bench.dir/flags.make")
if [[ $build_type != Release || $flags != *-O3* ]]; then
    echo "the benchmarks must be built as Release with -O3, not $build_type ($flags)" >&2
    exit 1
fi
bench=$build/bench/qzunit_bench

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
"$bench" --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
    --benchmark_out="$work/times.json" --benchmark_out_format=json
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

counts=()
if [[ -z "${QZUNIT_BENCH_NO_CALLGRIND:-}" ]] && command -v valgrind >/dev/null; then
    # Instructions per iteration: the difference between a long and a short
    # run, so that start-up and set-up cancel out. A fixed count adds
    # "/iterations:N" to the benchmark's name. The sweeps and arrays convert
    # about a thousand numbers per iteration and need fewer iterations; of the
    # arrays only n = 1000 is counted (report.py divides by the numbers).
    instructions() {
        QZUNIT_BENCH_ITERATIONS=$2 valgrind --tool=callgrind --callgrind-out-file=/dev/null \
            "$bench" --benchmark_filter="^$1/iterations:" 2>&1 >/dev/null | sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
    }
    : >"$work/instructions.tsv"
    for name in $("$bench" --benchmark_list_tests | grep -E '^(conversion|arithmetic|formatting|host)/|^bulk/.*/1000$'); do
        case $name in
            formatting/*) short=20000 ;;
            *) short=100 ;;
        esac
        low=$(instructions "$name" $short)
        high=$(instructions "$name" $((2 * short)))
        echo -e "$name\t$(((high - low) / short))" >>"$work/instructions.tsv"
    done
    # Comparisons of values while the sorted list is built: calls of
    # qzUnitValue::operator< and of qzSortedUnitValues::append in one run.
    : >"$work/comparisons.tsv"
    for n in 1000 10000 100000; do
        QZUNIT_BENCH_ITERATIONS=1 valgrind --tool=callgrind --callgrind-out-file="$work/sorted.$n.callgrind" \
            "$bench" --benchmark_filter="^sorted/append/$n/iterations:" >/dev/null 2>&1
        echo -e "$n\t$(python3 "$here/callgrind_calls.py" "$work/sorted.$n.callgrind" \
            'qzUnitValue::operator<(qzUnitValue const&) const' 'qzSortedUnitValues::append(qzUnitValue const&)')" \
            >>"$work/comparisons.tsv"
    done
    counts=(--instructions "$work/instructions.tsv" --comparisons "$work/comparisons.tsv")
fi

python3 "$here/report.py" --times "$work/times.json" "${counts[@]}" \
    --repetitions "$repetitions" --build "$build_type, $flags" --load-before "$load_before" --load-after "$load_after" >"$here/RESULTS.md"
echo "wrote $here/RESULTS.md"
