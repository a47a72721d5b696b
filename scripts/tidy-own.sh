#!/usr/bin/env bash
# clang-tidy as the build runs it (CMAKE_CXX_CLANG_TIDY): CMake passes the source file, then "--"
# and the compile command. Files outside src, tests and bench are moc's and rcc's output in the
# build folder; they are not parsed a second time for checks that would report nothing.
root=$(cd "$(dirname "$0")/.." && pwd)
for arg in "$@"; do
    [ "$arg" = -- ] && break
    case "$arg" in
    "$root"/src/* | "$root"/tests/* | "$root"/bench/*) exec clang-tidy --quiet "$@" ;;
    esac
done
exit 0
