#!/usr/bin/env bash
# The checks beside the GCC build: the format of every source file, a Clang build with warnings
# as errors, and clang-tidy (the root .clang-tidy) over the project's own files, reading the
# Clang build's compile database so that nothing is compiled twice.
source "$(dirname "$0")/common.sh"
install_missing clang clang-tidy clang-format libbenchmark-dev librapidcheck-dev

start=$SECONDS
mapfile -t sources < <(find src tests bench -name '*.cpp' -o -name '*.h' | sort)
clang-format --dry-run --Werror "${sources[@]}"
echo "format check: $((SECONDS - start)) s"

start=$SECONDS
CC=clang CXX=clang++ cmake -S . -B build-clang -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DVELT_TESTS=ON -DVELT_BENCH=ON -DVELT_WERROR=ON
cmake --build build-clang -j "$(nproc)"
echo "clang build: $((SECONDS - start)) s"

start=$SECONDS
status=0
run-clang-tidy -quiet -j "$(nproc)" -p build-clang "^$PWD/(src|tests|bench)/.*\.cpp$" \
    >build-clang/clang-tidy.log 2>&1 || status=1
grep -E "(warning|error):" build-clang/clang-tidy.log | sort -u || true
echo "clang-tidy: $((SECONDS - start)) s"
exit $status
