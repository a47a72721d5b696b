#!/usr/bin/env bash
# The checks beside the GCC build, each failing the run: the format of every source file, then a
# Clang build with warnings as errors that runs clang-tidy (the root .clang-tidy) on each file of
# src, tests and bench as it compiles it, so that every file is parsed once for both. VELT_TIDY=0
# leaves clang-tidy out for a quicker local Clang build.
source "$(dirname "$0")/common.sh"
install_missing clang clang-tidy clang-format libbenchmark-dev librapidcheck-dev

start=$SECONDS
status=0
mapfile -t sources < <(find src tests bench -name '*.cpp' -o -name '*.h' | sort)
clang-format --dry-run --Werror "${sources[@]}" || status=1
echo "format check: $((SECONDS - start)) s"

tidy=""
[ "${VELT_TIDY:-1}" = 1 ] && tidy="$PWD/scripts/tidy-own.sh"
start=$SECONDS
CC=clang CXX=clang++ cmake -S . -B build-clang -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DVELT_TESTS=ON -DVELT_BENCH=ON -DVELT_WERROR=ON -DCMAKE_CXX_CLANG_TIDY="$tidy" >/dev/null &&
    cmake --build build-clang -j "$(nproc)" -- -k 0 || status=1
echo "clang build${tidy:+ and clang-tidy}: $((SECONDS - start)) s"
exit $status
