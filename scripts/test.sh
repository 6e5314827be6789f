#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
build=${ZB_BUILD_DIR:-build}
cmake -S . -B "$build" -G Ninja -DZB_WERROR=ON "$@"
cmake --build "$build"
ctest --test-dir "$build" --output-on-failure -j2
