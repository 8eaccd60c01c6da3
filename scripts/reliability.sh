#!/bin/sh
# Reliability checks, run by .ci/run after the normal build and tests:
#   asan      the library and every test built with clang's address and
#             undefined-behaviour sanitizers (build-asan), run by ctest
#   fuzz      each libFuzzer target (built in build-asan) for a bounded time
#             from its seed corpus
#   tsan      the thread test built with the thread sanitizer (build-tsan)
#   valgrind  memcheck over the test executables of the normal build (build)
# With no argument all four run, in this order; name steps to run only those.
# QZUNIT_FUZZ_SECONDS sets the time of each fuzzer (30 by default).
set -eu
cd "$(dirname "$0")/.."

fuzz_seconds=${QZUNIT_FUZZ_SECONDS:-30}
# configure_sanitized DIR FLAGS [CMAKE_ARGUMENTS...]: a clang build with FLAGS.
# Line tables are all a report needs, and precompiled Qt headers save half
# the compile time of the library.
configure_sanitized() {
    dir=$1
    flags=$2
    shift 2
    cmake -S . -B "$dir" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        "-DCMAKE_CXX_FLAGS=$flags -fno-omit-frame-pointer" \
        "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O2 -gline-tables-only -DNDEBUG" \
        -DQZUNIT_PRECOMPILE_HEADERS=ON -DQZUNIT_BUILD_BENCHMARKS=OFF "$@"
}

asan() {
    configure_sanitized build-asan "-fsanitize=address,undefined -fno-sanitize-recover=all" -DQZUNIT_BUILD_FUZZERS=ON
    cmake --build build-asan -j2
    # lsan.supp holds what the leak check reports of Qt itself.
    ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        LSAN_OPTIONS=suppressions=$(pwd)/scripts/lsan.supp ctest --test-dir build-asan --output-on-failure -j2
}

# fuzz_one TARGET: runs build-asan/fuzz/fuzz_TARGET from its seed corpus.
fuzz_one() {
    # New inputs go to a scratch corpus; the committed seeds stay as they are.
    work=build-asan/fuzz/work/$1
    mkdir -p "$work/corpus" "$work/artifacts"
    if UBSAN_OPTIONS=print_stacktrace=1 "build-asan/fuzz/fuzz_$1" "$work/corpus" "fuzz/corpus/$1" \
        -max_total_time="$fuzz_seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$work/artifacts/" -print_final_stats=1 2> "$work/log"; then
        echo "fuzz_$1: $(grep -E "^Done" "$work/log")"
    else
        tail -n 60 "$work/log"
        echo "fuzz_$1 failed; the input is in $work/artifacts" >&2
        return 1
    fi
}

# The targets run side by side: each gets its time, the step takes it once.
fuzz() {
    pids=""
    for fuzzer in build-asan/fuzz/fuzz_*; do
        [ -f "$fuzzer" ] && [ -x "$fuzzer" ] || continue
        fuzz_one "${fuzzer##*/fuzz_}" &
        pids="$pids $!"
    done
    failed=0
    for pid in $pids; do
        wait "$pid" || failed=1
    done
    return $failed
}

tsan() {
    configure_sanitized build-tsan -fsanitize=thread -DQZUNIT_BUILD_TOOLS=OFF
    cmake --build build-tsan -j2 --target tst_qzUnitThreads
    # Qt is not instrumented: the synchronisation inside it (QtTest's watchdog
    # thread, its wait conditions) is invisible, so calls from Qt into the
    # sanitizer's interceptors are not checked. Accesses in the library and
    # in the test are.
    TSAN_OPTIONS=halt_on_error=1:ignore_noninstrumented_modules=1 build-tsan/tests/tst_qzUnitThreads
}

valgrind_tests() {
    # The tool's end-to-end test and the comparison with GNU units spend
    # their time in the processes they start, which memcheck would not follow
    # (and Qt's process start passes waitid a null pointer that memcheck
    # reports); the package tests build hosts.
    # nouserintercepts: the allocation test's own malloc and operator new
    # count and pass on to libc, where memcheck takes over.
    # QT_ENABLE_REGEXP_JIT=0: the code that PCRE compiles for regular
    # expressions at run time reads words memcheck thinks uninitialised.
    # The widget tests run offscreen, as under ctest; valgrind.supp holds
    # what memcheck reports of Qt itself.
    for test in build/tests/tst_*; do
        [ -f "$test" ] && [ -x "$test" ] || continue
        case ${test##*/} in tst_qzunit | tst_qzUnitPhysicalFactors) continue ;; esac
        echo "memcheck ${test##*/}"
        QT_QPA_PLATFORM=offscreen QT_ENABLE_REGEXP_JIT=0 valgrind --tool=memcheck --quiet --leak-check=full --show-leak-kinds=definite,indirect \
            --errors-for-leak-kinds=definite,indirect --error-exitcode=1 \
            --soname-synonyms=somalloc=nouserintercepts --suppressions=scripts/valgrind.supp "$test" -silent
    done
}

scripts/install-deps.sh clang libclang-rt-14-dev valgrind
steps=${*:-asan fuzz tsan valgrind}
for step in $steps; do
    started=$(date +%s)
    case $step in
    asan) asan ;;
    fuzz) fuzz ;;
    tsan) tsan ;;
    valgrind) valgrind_tests ;;
    *) echo "unknown step $step" >&2; exit 2 ;;
    esac
    echo "reliability: $step took $(($(date +%s) - started)) s"
done
