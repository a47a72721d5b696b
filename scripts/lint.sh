#!/usr/bin/env bash
# The format of every source file against the root .clang-format; clang-tidy and the Clang
# warnings run in the sanitizer build (scripts/sanitize.sh).
source "$(dirname "$0")/common.sh"
install_missing clang-format
mapfile -t sources < <(find src tests bench -name '*.cpp' -o -name '*.h' | sort)
clang-format --dry-run --Werror "${sources[@]}"
