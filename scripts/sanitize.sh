#!/usr/bin/env bash
# Builds the tests with AddressSanitizer and UndefinedBehaviorSanitizer into ./build-asan and runs
# them all; any report, from a test or from a program a test starts, fails the run.
source "$(dirname "$0")/common.sh"
install_missing
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELT_SANITIZE=ON \
      -DVELT_TESTS=ON -DVELT_BENCH=OFF -DVELT_WERROR=ON
cmake --build build-asan -j "$(nproc)"

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
