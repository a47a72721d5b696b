#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
source "$(dirname "$0")/common.sh"
install_missing desktop-file-utils appstream file
build -DVELT_TESTS=ON -DVELT_BENCH=ON
cd build
exec ctest --output-on-failure --no-tests=error
