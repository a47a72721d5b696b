#!/usr/bin/env bash
# Installs what is missing, builds, and starts the logger with its data folder ready.
source "$(dirname "$0")/common.sh"
install_missing
build -DVELT_TESTS=OFF -DVELT_BENCH=OFF -DVELT_WERROR=OFF
exec ./build/velt "$@"
