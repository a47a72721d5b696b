#!/usr/bin/env bash
# The checks beside the GCC build: the format of every source file (a failure fails the run), a
# Clang build with warnings as errors and, with VELT_TIDY=1, clang-tidy (the root .clang-tidy)
# over the project's own files, reading the Clang build's compile database so that nothing is
# compiled twice. The Clang build and clang-tidy report their findings without failing the run
# until the tree is known to be clean under both; VELT_LINT_STRICT=1 makes them fail it.
source "$(dirname "$0")/common.sh"
install_missing clang clang-tidy clang-format libbenchmark-dev librapidcheck-dev

start=$SECONDS
status=0
mapfile -t sources < <(find src tests bench -name '*.cpp' -o -name '*.h' | sort)
clang-format --dry-run --Werror "${sources[@]}" || status=1
echo "format check: $((SECONDS - start)) s"

report() {
    echo "$1: NOT CLEAN"
    [ "${VELT_LINT_STRICT:-0}" = 1 ] && status=1
    return 0
}

start=$SECONDS
CC=clang CXX=clang++ cmake -S . -B build-clang -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DVELT_TESTS=ON -DVELT_BENCH=ON -DVELT_WERROR=ON >/dev/null &&
    cmake --build build-clang -j "$(nproc)" || report "clang build"
echo "clang build: $((SECONDS - start)) s"

if [ "${VELT_TIDY:-0}" = 1 ]; then
    start=$SECONDS
    run-clang-tidy -quiet -j "$(nproc)" -p build-clang "^$PWD/(src|tests|bench)/.*\.cpp$" \
        >build-clang/clang-tidy.log 2>&1 || report "clang-tidy"
    grep -E "(warning|error):" build-clang/clang-tidy.log | sort -u || true
    echo "clang-tidy: $((SECONDS - start)) s"
fi
exit $status
