#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
source "$(dirname "$0")/common.sh"
# The benchmarks and the randomized tests are built with the tests, so their libraries are
# installed with them; rigctld plays the radio on the network.
install_missing desktop-file-utils appstream file lintian libbenchmark-dev librapidcheck-dev \
    libhamlib-utils
start=$SECONDS
build -DVELT_TESTS=ON -DVELT_BENCH=ON -DVELT_WERROR=ON
echo "GCC build: $((SECONDS - start)) s"
cd build
exec ctest --output-on-failure --no-tests=error
