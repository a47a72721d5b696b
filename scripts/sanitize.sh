#!/usr/bin/env bash
# One Clang build into ./build-asan for three checks: it compiles with warnings as errors, runs
# clang-tidy (the root .clang-tidy) on each file as it compiles it, and builds the tests with
# AddressSanitizer and UndefinedBehaviorSanitizer; then it runs them all, and any report, from a
# test or from a program a test starts, fails the run. VELT_TIDY=0 leaves clang-tidy out for a
# quicker local pass.
source "$(dirname "$0")/common.sh"
install_missing clang clang-tidy libclang-rt-14-dev libbenchmark-dev librapidcheck-dev
tidy=""
[ "${VELT_TIDY:-1}" = 1 ] && tidy="$PWD/scripts/tidy-own.sh"
cmake -S . -B build-asan -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug \
      -DVELT_SANITIZE=ON -DVELT_TESTS=ON -DVELT_BENCH=ON -DVELT_WERROR=ON \
      -DCMAKE_CXX_CLANG_TIDY="$tidy"
# Every file is compiled and checked, so that one run shows every finding.
cmake --build build-asan -j "$(nproc)" -- -k 0

reports=$(mktemp -d)
trap 'rm -rf "$reports"' EXIT
# ASan and LeakSanitizer write a file per process that reports; UBSan, linked beside ASan, writes
# to the standard error only, which CTest keeps in its log.
export ASAN_OPTIONS="log_path=$reports/asan:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
status=0
# The package test checks the release build's package; it says nothing about the sanitizers.
(cd build-asan && ctest -j "$(nproc)" --output-on-failure --no-tests=error -E '^package\.') ||
    status=1
if grep -n "runtime error:" build-asan/Testing/Temporary/LastTest.log; then
    status=1
fi
if compgen -G "$reports/*" >/dev/null; then
    cat "$reports"/*
    echo "sanitizer reports: $(ls "$reports" | wc -l)"
    status=1
fi
exit $status
